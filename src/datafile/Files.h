#pragma once
// Reading and writing files for the window and kmtx-export alike: a meeting file read whole
// but never more than a meeting can be, an output written whole or not at all, and the
// system's reasons for a failure in the user's language.

#include "datafile/Meeting.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <system_error>

class QFileDevice;
class QIODevice;

namespace datafile {

// Why an operation on a file failed, from the system's text (Qt's file errors carry only
// text): in Japanese when japanese is set, where the system gave it in English.
QString systemReason(const QString &systemText, bool japanese);
// The same from an error code (std::filesystem reports these).
QString systemReason(std::error_code error, bool japanese);

struct FileBytes {
    enum class Failure { None, Open, Read, TooLarge };
    QByteArray bytes;
    Failure failure = Failure::None;
    QString reason; // why it could not be opened or read
};

// The file's bytes, reading no more than MaxFileBytes + 1 (a larger file is TooLarge, and a
// device that never ends is not read on). A device, a pipe or a socket is refused at once.
FileBytes readFileBytes(const QString &path, bool japanese);

// A file written whole or not at all, through QSaveFile: the bytes go to a new file beside
// it, which takes its place only at commit, once the disk holds it. A symbolic link is
// written through to the file it names. Refused: a folder, a device, a pipe or a socket (or
// a link to one), and an existing file whose permissions allow no writing, even to the
// administrator. A replaced file keeps its mode; a new one has the mode the umask gives.
class WholeFile
{
public:
    WholeFile(const QString &path, bool japanese);
    ~WholeFile();
    WholeFile(const WholeFile &) = delete;
    WholeFile &operator=(const WholeFile &) = delete;

    bool open();
    QIODevice &device();
    bool write(const QByteArray &bytes);
    // Puts the new file in place; false leaves the old one as it was.
    bool commit();
    // Why open, a write or commit failed (the first reason met).
    QString reason() const { return m_reason; }
    // Why a write through device() failed: the first reason met, else the device's own.
    QString deviceReason() const;

private:
    bool fail(const QString &systemText);
    QString m_target; // the path with its links followed
    bool m_japanese;
    std::unique_ptr<QFileDevice> m_file;
    QString m_reason;
};

} // namespace datafile
