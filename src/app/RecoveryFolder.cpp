#include "app/RecoveryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
const char *const kCopy = ".txt";  // the meeting, a data file
const char *const kPath = ".path"; // the path of its own file, in UTF-8; absent for a new meeting
const char *const kLock = ".lock"; // held while its program runs

bool writeWhole(const QString &path, const QByteArray &bytes, QString *reason)
{
    // Renamed into place once written whole, without waiting for the disk: a program that
    // is killed loses nothing the system was handed, and the window never waits on it.
    QString temporary;
    {
        QTemporaryFile file(path + u".XXXXXX"_s);
        if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) {
            *reason = file.errorString();
            return false;
        }
        temporary = file.fileName();
        file.setAutoRemove(false);
    } // Windows renames no open file, and a QTemporaryFile keeps its file open until it is gone
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(temporary.toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), error);
    if (!error) return true;
    QFile::remove(temporary);
    *reason = QString::fromLocal8Bit(error.message());
    return false;
}
} // namespace

RecoveryFolder::RecoveryFolder(const QString &folder) : m_folder(folder)
{
    // A name that sorts by time: the newest copies come last in old/.
    m_id = QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss-zzz"_s) + u'-' +
           QString::number(QCoreApplication::applicationPid());
    if (!QDir().mkpath(m_folder)) {
        m_startFailure = u"フォルダー「%1」を作れません"_s.arg(QDir::toNativeSeparators(m_folder));
    } else {
        m_lock = std::make_unique<QLockFile>(pathOf(m_id, kLock));
        m_lock->setStaleLockTime(0);
        if (!m_lock->tryLock(0))
            m_startFailure = u"「%1」に書き込めません"_s.arg(QDir::toNativeSeparators(m_folder));
    }
    m_writer = std::thread([this] { writerLoop(); });
}

RecoveryFolder::~RecoveryFolder()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_writer.join();
    if (m_lock) m_lock->unlock();
}

QString RecoveryFolder::pathOf(const QString &id, const char *suffix) const
{
    return QDir(m_folder).filePath(id + QLatin1String(suffix));
}

QList<RecoveryCopy> RecoveryFolder::leftBehind() const
{
    QList<RecoveryCopy> copies;
    const QDir dir(m_folder);
    for (const QFileInfo &info : dir.entryInfoList({u"*.txt"_s}, QDir::Files, QDir::Name | QDir::Reversed)) {
        const QString id = info.completeBaseName();
        if (id == m_id) continue;
        // A copy whose lock can be taken has no program running any more.
        QLockFile owner(pathOf(id, kLock));
        owner.setStaleLockTime(0);
        if (!owner.tryLock(0)) continue;
        owner.unlock();
        QFile copy(info.filePath());
        if (!copy.open(QIODevice::ReadOnly)) continue;
        RecoveryCopy c;
        c.id = id;
        c.bytes = copy.readAll();
        c.written = info.lastModified();
        QFile path(pathOf(id, kPath));
        if (path.open(QIODevice::ReadOnly)) c.filePath = QString::fromUtf8(path.readAll());
        copies << c;
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const RecoveryCopy &a, const RecoveryCopy &b) { return a.written > b.written; });
    return copies;
}

void RecoveryFolder::setAside(const RecoveryCopy &copy)
{
    QDir dir(m_folder);
    dir.mkpath(u"old"_s);
    for (const char *suffix : {kPath, kCopy}) {
        const QString from = pathOf(copy.id, suffix);
        const QString to = dir.filePath(u"old/"_s + copy.id + QLatin1String(suffix));
        if (!QFile::exists(from)) continue;
        QFile::remove(to);
        QFile::rename(from, to);
    }
    QFile::remove(pathOf(copy.id, kLock));
    // The newest OldKept copies stay; their names sort by the time their program began.
    QDir old(dir.filePath(u"old"_s));
    const QStringList kept = old.entryList({u"*.txt"_s}, QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = OldKept; i < kept.size(); ++i) {
        const QString id = QFileInfo(kept[i]).completeBaseName();
        old.remove(kept[i]);
        old.remove(id + QLatin1String(kPath));
    }
}

void RecoveryFolder::keep(const QByteArray &bytes, const QString &filePath)
{
    {
        std::lock_guard lock(m_mutex);
        m_pending = Pending{bytes, filePath, false};
    }
    m_wake.notify_all();
}

void RecoveryFolder::remove()
{
    {
        std::lock_guard lock(m_mutex);
        m_pending = Pending{{}, {}, true};
    }
    m_wake.notify_all();
}

void RecoveryFolder::waitUntilWritten()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_pending && !m_busy; });
}

std::optional<QString> RecoveryFolder::takeFailure()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_failure, std::nullopt);
}

void RecoveryFolder::writerLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending) return; // stopping with nothing left to write
        const Pending pending = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();
        write(pending);
        lock.lock();
        m_busy = false;
        m_idle.notify_all();
    }
}

void RecoveryFolder::write(const Pending &pending)
{
    const QString copy = pathOf(m_id, kCopy);
    const QString path = pathOf(m_id, kPath);
    if (pending.remove) {
        QFile::remove(copy);
        QFile::remove(path);
        m_written = false;
        m_writtenPath.clear();
        return;
    }
    QString reason = m_startFailure;
    if (reason.isEmpty() && (!m_written || pending.filePath != m_writtenPath)) {
        // A copy never stands beside the path of another file: the old copy goes first.
        QFile::remove(copy);
        m_written = false;
        if (pending.filePath.isEmpty()) {
            if (QFile::exists(path) && !QFile::remove(path))
                reason = u"「%1」を消せません"_s.arg(QDir::toNativeSeparators(path));
        } else {
            writeWhole(path, pending.filePath.toUtf8(), &reason);
        }
    }
    if (reason.isEmpty() && writeWhole(copy, pending.bytes, &reason)) {
        m_written = true;
        m_writtenPath = pending.filePath;
        return;
    }
    std::lock_guard lock(m_mutex);
    m_failure = reason;
}
