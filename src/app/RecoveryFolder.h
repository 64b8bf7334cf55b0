#pragma once
// The recovery copies of running and ended programs in one folder. Each running program
// holds a lock of its own and keeps one copy: the meeting as its data file, written whole
// by a thread of its own, beside the path of the file the meeting belongs to. A copy whose
// program is no longer running was left behind by a crash; it can be read back, or set
// aside into old/, where the newest OldKept copies stay.

#include "app/AppLayer.h"

#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

struct RecoveryCopy {
    QString id;        // the program that wrote it
    QString filePath;  // the meeting's own file; empty for a meeting never saved
    QDateTime written; // when the copy was written
    QByteArray bytes;  // the meeting as its data file
};

class RecoveryFolder
{
public:
    static constexpr int OldKept = 20;

    explicit RecoveryFolder(const QString &folder);
    ~RecoveryFolder(); // the copy being written is finished first
    RecoveryFolder(const RecoveryFolder &) = delete;
    RecoveryFolder &operator=(const RecoveryFolder &) = delete;

    QString folder() const { return m_folder; }
    // The copies of programs no longer running, newest first.
    QList<RecoveryCopy> leftBehind() const;
    // Moves a left copy into old/, keeping the newest OldKept there.
    void setAside(const RecoveryCopy &copy);

    // Hands this program's copy to the writer; a copy not yet begun gives way to a newer one.
    void keep(const QByteArray &bytes, const QString &filePath);
    // Removes this program's copy (a clean end), after the write in progress.
    void remove();
    // Returns once every copy handed over is written (or has failed).
    void waitUntilWritten();
    // Why the last write failed, once; nothing when it did not or was told already.
    std::optional<QString> takeFailure();

private:
    struct Pending {
        QByteArray bytes;
        QString filePath;
        bool remove = false;
    };
    void writerLoop();
    void write(const Pending &pending);
    QString pathOf(const QString &id, const char *suffix) const;

    QString m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    QString m_startFailure;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<Pending> m_pending;
    bool m_busy = false;
    bool m_stopping = false;
    std::optional<QString> m_failure;
    // Only the writer's thread touches these.
    bool m_written = false;
    QString m_writtenPath;
    std::thread m_writer;
};
