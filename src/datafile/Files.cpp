#include "datafile/Files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace datafile {

namespace {

struct Reason {
    std::errc code;
    const char *english[5]; // the texts Qt, the C library and Windows (or Wine) give for it
    const char16_t *japanese;
};

// The reasons a user meets; anything else is passed on as the system gave it.
const Reason kReasons[] = {
    {std::errc::no_space_on_device,
     {"No space left on device", "There is not enough space on the disk."},
     u"ディスクの空き容量が足りません"},
    {std::errc::permission_denied,
     {"Permission denied", "Access is denied.", "Access denied."},
     u"アクセスが許可されていません"},
    {std::errc::operation_not_permitted, {"Operation not permitted"}, u"操作が許可されていません"},
    {std::errc::no_such_file_or_directory,
     {"No such file or directory", "The system cannot find the path specified.", "Path not found.",
      "The system cannot find the file specified.", "File not found."},
     u"ファイルまたはフォルダーがありません"},
    {std::errc::read_only_file_system, {"Read-only file system"}, u"読み取り専用のディスクです"},
    {std::errc::is_a_directory,
     {"Is a directory", "file to open is a directory", "Filename refers to a directory"},
     u"ファイルではなくフォルダーです"},
    {std::errc::not_a_directory, {"Not a directory"}, u"フォルダーの指定が正しくありません"},
    {std::errc::filename_too_long, {"File name too long"}, u"ファイル名が長すぎます"},
    {std::errc::file_too_large, {"File too large"}, u"ファイルが大きすぎます"},
    {std::errc::too_many_files_open, {"Too many open files"}, u"開いているファイルが多すぎます"},
    {std::errc::io_error, {"Input/output error"}, u"ディスクの読み書きに失敗しました"},
    {std::errc::device_or_resource_busy, {"Device or resource busy"}, u"ファイルが使用中です"},
};

// QSaveFile's refusal of an existing file it may not replace names the file.
bool isNotWritable(const QString &text)
{
    return text.startsWith(u"Existing file "_s) && text.endsWith(u" is not writable"_s);
}

} // namespace

QString systemReason(const QString &systemText, bool japanese)
{
    const QString text = systemText.trimmed();
    if (!japanese) return text;
    if (isNotWritable(text)) return u"書き込みが許可されていないファイルです"_s;
    if (text.isEmpty() || text == u"Unknown error"_s) return u"原因がわからない失敗です"_s;
    for (const Reason &r : kReasons)
        for (const char *english : r.english)
            if (english && text.compare(QLatin1StringView(english), Qt::CaseInsensitive) == 0)
                return QString::fromUtf16(r.japanese);
    return text;
}

QString systemReason(std::error_code error, bool japanese)
{
    if (japanese)
        for (const Reason &r : kReasons)
            if (error == r.code) return QString::fromUtf16(r.japanese);
    return QString::fromLocal8Bit(error.message());
}

namespace {

// A file whose writes go to the disk at once and whole: a write the disk takes only in part
// is carried on until the system refuses it, which then sets the reason (a part taken
// without an error leaves the reason unknown, and a buffered flush that fails would still be
// renamed into place by QSaveFile::commit).
class WriteThroughFile : public QSaveFile
{
public:
    using QSaveFile::QSaveFile;
    bool openForWriting() { return QSaveFile::open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        qint64 done = 0;
        while (done < length) {
            const qint64 n = QSaveFile::writeData(data + done, length - done);
            if (n <= 0) return -1;
            done += n;
        }
        return done;
    }
};

// The file a path names, its symbolic links followed (a link to a link too).
QString linkTarget(const QString &path)
{
    QString target = path;
    for (int depth = 0; depth < 40 && QFileInfo(target).isSymLink(); ++depth)
        target = QFileInfo(target).symLinkTarget();
    return target;
}

std::filesystem::path nativePath(const QString &path) { return std::filesystem::path(path.toStdU16String()); }

// What the path names, its links followed; not_found when nothing is there.
std::filesystem::file_type typeOf(const QString &path)
{
    std::error_code error;
    return std::filesystem::status(nativePath(path), error).type();
}

bool isDevice(std::filesystem::file_type type)
{
    using std::filesystem::file_type;
    return type != file_type::regular && type != file_type::directory && type != file_type::not_found &&
           type != file_type::none && type != file_type::unknown;
}

QString notRegularReason(bool japanese)
{
    return japanese ? u"通常のファイルではありません（デバイス・パイプ・ソケットです）"_s
                    : u"Not a regular file (a device, a pipe or a socket)"_s;
}

// Whether the file's own permissions let it be written: the administrator, whom the system
// lets write anything, is held to them as well.
bool permitsWriting(const QFileInfo &file)
{
    const QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return file.isWritable() && (file.permissions() & anyWrite);
}

} // namespace

FileBytes readFileBytes(const QString &path, bool japanese)
{
    FileBytes result;
    // A pipe or a device would keep the reader waiting, or never end.
    if (isDevice(typeOf(path))) {
        result.failure = FileBytes::Failure::Open;
        result.reason = notRegularReason(japanese);
        return result;
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        result.failure = FileBytes::Failure::Open;
        // Windows refuses a folder as if access were denied: a folder is named as such everywhere.
        result.reason =
            systemReason(QFileInfo(path).isDir() ? u"Is a directory"_s : in.errorString(), japanese);
        return result;
    }
    // A device that tells no size (a pipe, /dev/zero) is read until it passes the limit.
    const bool sized = !in.isSequential();
    if (sized && in.size() > MaxFileBytes) {
        result.failure = FileBytes::Failure::TooLarge;
        return result;
    }
    if (sized) result.bytes.reserve(in.size());
    char chunk[64 * 1024];
    for (;;) {
        const qint64 n = in.read(chunk, sizeof chunk);
        if (n < 0) {
            result.bytes.clear();
            result.failure = FileBytes::Failure::Read;
            result.reason = systemReason(in.errorString(), japanese);
            break;
        }
        if (n == 0) break;
        result.bytes.append(chunk, n);
        if (result.bytes.size() > MaxFileBytes) {
            result.bytes.clear();
            result.failure = FileBytes::Failure::TooLarge;
            break;
        }
    }
    return result;
}

WholeFile::WholeFile(const QString &path, bool japanese) : m_target(linkTarget(path)), m_japanese(japanese) {}

WholeFile::~WholeFile() = default; // a new file that did not take its place is removed

bool WholeFile::fail(const QString &systemText)
{
    if (m_reason.isEmpty()) m_reason = systemReason(systemText, m_japanese);
    m_file.reset();
    return false;
}

bool WholeFile::open()
{
    const QFileInfo target(m_target);
    if (target.isDir()) return fail(u"Filename refers to a directory"_s);
    // A device, a pipe or a socket is left as it is: the new file would take its place.
    if (isDevice(typeOf(m_target))) {
        m_reason = notRegularReason(m_japanese);
        return false;
    }
    if (target.exists() && !permitsWriting(target))
        return fail(u"Existing file %1 is not writable"_s.arg(m_target));
    auto file = std::make_unique<WriteThroughFile>(m_target);
    const bool opened = file->openForWriting();
    m_file = std::move(file);
    if (!opened) return fail(m_file->errorString());
#ifdef Q_OS_UNIX
    // The replaced file's mode exactly (QSaveFile gives the new file the mode as Qt reads it,
    // in which the administrator may write anything); a new file has the one the umask gives.
    struct stat old {
    };
    if (target.exists() && ::stat(QFile::encodeName(m_target).constData(), &old) == 0)
        ::fchmod(m_file->handle(), old.st_mode & 07777);
#endif
    return true;
}

QIODevice &WholeFile::device() { return *m_file; }

bool WholeFile::write(const QByteArray &bytes)
{
    return (m_file && m_file->write(bytes) == bytes.size()) ||
           fail(m_file ? m_file->errorString() : QString());
}

QString WholeFile::deviceReason() const
{
    if (!m_reason.isEmpty()) return m_reason;
    return systemReason(m_file ? m_file->errorString() : QString(), m_japanese);
}

bool WholeFile::commit()
{
    if (!m_file) return false;
    // A write that failed inside a drawing (QPdfWriter, QImage) is found here.
    if (m_file->error() != QFileDevice::NoError) return fail(m_file->errorString());
    auto &file = static_cast<WriteThroughFile &>(*m_file);
    return file.commit() || fail(file.errorString());
}

} // namespace datafile
