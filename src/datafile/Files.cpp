#include "datafile/Files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <filesystem>

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

FileBytes readFileBytes(const QString &path, bool japanese)
{
    FileBytes result;
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

namespace {

// A file whose writes go to the disk at once and whole: a write the disk takes only in part
// is carried on until the system refuses it, which then sets the reason (a part taken
// without an error leaves the reason unknown, and a buffered flush that fails would still be
// renamed into place by QSaveFile::commit).
template <typename File> class WriteThrough : public File
{
public:
    using File::File;
    bool openForWriting() { return File::open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        qint64 done = 0;
        while (done < length) {
            const qint64 n = File::writeData(data + done, length - done);
            if (n <= 0) return -1;
            done += n;
        }
        return done;
    }
};

class TemporaryFile : public WriteThrough<QTemporaryFile>
{
public:
    using WriteThrough::WriteThrough;
    bool openForWriting() { return QTemporaryFile::open(QIODevice::ReadWrite | QIODevice::Unbuffered); }
};

// The file a path names, its symbolic links followed (a link to a link too).
QString linkTarget(const QString &path)
{
    QString target = path;
    for (int depth = 0; depth < 40 && QFileInfo(target).isSymLink(); ++depth)
        target = QFileInfo(target).symLinkTarget();
    return target;
}

// The name of the new file beside target: hidden, the target's name, then six characters
// made unique; cut so that it is never longer than a name may be (255 bytes).
QString temporaryTemplate(const QString &target)
{
    const QFileInfo info(target);
    QString name = info.fileName();
    const auto fits = [](const QString &n) {
        return QFile::encodeName(u"."_s + n + u".XXXXXX"_s).size() <= 255;
    };
    while (!name.isEmpty() && !fits(name)) name.chop(name.back().isLowSurrogate() && name.size() > 1 ? 2 : 1);
    return info.absolutePath() + u"/."_s + name + u".XXXXXX"_s;
}

} // namespace

WholeFile::WholeFile(const QString &path, bool japanese, bool waitForDisk)
    : m_target(linkTarget(path)), m_japanese(japanese), m_waitForDisk(waitForDisk)
{}

WholeFile::~WholeFile() = default; // a new file that did not take its place is removed

bool WholeFile::fail(const QString &systemText)
{
    if (m_reason.isEmpty()) m_reason = systemReason(systemText, m_japanese);
    m_file.reset();
    return false;
}

bool WholeFile::open()
{
    // The refusals QSaveFile makes, for both kinds of writing.
    const QFileInfo target(m_target);
    if (target.isDir()) return fail(u"Filename refers to a directory"_s);
    if (target.exists() && !target.isWritable())
        return fail(u"Existing file %1 is not writable"_s.arg(m_target));
    if (m_waitForDisk) {
        auto file = std::make_unique<WriteThrough<QSaveFile>>(m_target);
        const bool opened = file->openForWriting();
        m_file = std::move(file);
        return opened || fail(m_file->errorString());
    }
    auto file = std::make_unique<TemporaryFile>(temporaryTemplate(m_target));
    const bool opened = file->openForWriting();
    m_file = std::move(file);
    return opened || fail(m_file->errorString());
}

QIODevice &WholeFile::device() { return *m_file; }

bool WholeFile::write(const QByteArray &bytes)
{
    return (m_file && m_file->write(bytes) == bytes.size()) ||
           fail(m_file ? m_file->errorString() : QString());
}

bool WholeFile::commit()
{
    if (!m_file) return false;
    // A write that failed inside a drawing (QPdfWriter, QImage) is found here.
    if (m_file->error() != QFileDevice::NoError) return fail(m_file->errorString());
    if (m_waitForDisk) {
        auto &file = static_cast<WriteThrough<QSaveFile> &>(*m_file);
        return file.commit() || fail(file.errorString());
    }
    auto &file = static_cast<TemporaryFile &>(*m_file);
    file.close();
    // The permissions of the file replaced, or those a file made here would have had.
    file.setPermissions(QFileInfo::exists(m_target)
                            ? QFile::permissions(m_target)
                            : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                                  QFile::ReadGroup | QFile::ReadOther);
    // A temporary file holds its handle until it is gone, and Windows renames no open file.
    const QString temporary = file.fileName();
    file.setAutoRemove(false);
    m_file.reset();
    std::error_code renamed;
    std::filesystem::rename(std::filesystem::path(temporary.toStdU16String()),
                            std::filesystem::path(m_target.toStdU16String()), renamed);
    if (renamed) {
        QFile::remove(temporary);
        if (m_reason.isEmpty()) m_reason = systemReason(renamed, m_japanese);
        return false;
    }
    return true;
}

} // namespace datafile
