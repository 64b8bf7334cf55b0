#pragma once
// poppler's programs (pdftotext, pdfinfo) for the tests that read a PDF back, on every system.
// A Windows build of the tests under Wine runs the Linux ones (Wine starts a Linux program
// given by its path), from the folder KMTX_POPPLER_DIR names; the PDF goes to the program on
// its standard input ("fd://0"), so that no Windows path needs to be understood.

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace poppler {

// The program, or an empty text when there is none.
inline QString program(const QString &name)
{
    const QString folder = qEnvironmentVariable("KMTX_POPPLER_DIR");
    if (!folder.isEmpty() && QFile::exists(folder + u'/' + name)) return folder + u'/' + name;
    return QStandardPaths::findExecutable(name);
}

// Why a test that needs the program is skipped.
inline QByteArray missing(const QString &name)
{
#ifdef Q_OS_WIN
    return name.toUtf8() + " (poppler) is neither on the PATH nor in the folder KMTX_POPPLER_DIR names";
#else
    return name.toUtf8() + " (poppler-utils) is not installed";
#endif
}

// What the program writes for the PDF, given its other arguments with "fd://0" in the PDF's
// place; empty when it fails.
inline QByteArray run(const QString &name, const QStringList &arguments, const QString &pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QProcess p;
    p.start(program(name), arguments);
    p.write(file.readAll());
    p.closeWriteChannel();
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return p.readAllStandardOutput();
}

} // namespace poppler
