#pragma once
// poppler's programs (pdftotext, pdfinfo) for the tests that read a PDF back, on every system.
// A Windows build of the tests under Wine runs the Linux ones, from the folder KMTX_POPPLER_DIR
// names (Z:/usr/bin).

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

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

// What the program writes for the PDF, given its arguments with "PDF" in the PDF's place;
// empty when it fails.
inline QByteArray run(const QString &name, QStringList arguments, const QString &pdf)
{
#ifdef Q_OS_WIN
    // Under Wine a Linux program runs apart from the Windows one that starts it: it is handed
    // neither the pipes given nor Windows paths, and not waited for. It runs through sh in a
    // folder of /tmp (Z:), writing its output there, and is waited for by the file it writes last.
    const QString folder = qEnvironmentVariable("KMTX_POPPLER_DIR");
    if (folder.startsWith(QLatin1String("Z:"))) {
        QTemporaryDir work(QStringLiteral("Z:/tmp/kmtx-poppler-XXXXXX"));
        if (!work.isValid() || !QFile::copy(pdf, work.filePath(QStringLiteral("in.pdf")))) return {};
        arguments.replaceInStrings(QStringLiteral("PDF"), QStringLiteral("in.pdf"));
        const QString script =
            QStringLiteral("cd %1 && %2/%3 %4 >out; echo $? >status.part; mv status.part status")
                .arg(work.path().mid(2), folder.mid(2), name, arguments.join(u' '));
        QProcess::execute(QStringLiteral("Z:/bin/sh"), {QStringLiteral("-c"), script});
        QFile status(work.filePath(QStringLiteral("status"))), out(work.filePath(QStringLiteral("out")));
        for (QDeadlineTimer deadline(60000); !status.exists() && !deadline.hasExpired();) QThread::msleep(20);
        if (!status.open(QIODevice::ReadOnly) || status.readAll().trimmed() != "0" ||
            !out.open(QIODevice::ReadOnly))
            return {};
        return out.readAll();
    }
#endif
    QProcess p;
    p.start(program(name), arguments.replaceInStrings(QStringLiteral("PDF"), pdf));
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return p.readAllStandardOutput();
}

} // namespace poppler
