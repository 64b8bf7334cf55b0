// kmtx-export: a meeting file becomes a table from the command line.
//   kmtx-export MEETING --table member|combination|score-sheet|score-entry|result ... -o OUT
// Exit status: 0 written, 1 the file was refused or the output could not be written,
// 2 a bad command line, 3 the season written without the files named on standard error.
#include "cli/ExportOptions.h"
#include "cli/Exporter.h"
#include "tables/FontSubstitutes.h"

#include <QGuiApplication>
#include <QHash>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::StringLiterals;
namespace fonts = tables::fonts;

namespace {

void print(FILE *stream, const QString &text)
{
    if (text.isEmpty()) return;
    const QString line = text.endsWith(u'\n') ? text : text + u'\n';
#ifdef Q_OS_WIN
    // A console shows the text as it is, whatever its code page; a file or a pipe gets UTF-8,
    // which holds every message (the Windows code page of a machine not in Japanese does not).
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        DWORD written = 0;
        std::fflush(stream);
        WriteConsoleW(handle, line.utf16(), DWORD(line.size()), &written, nullptr);
        return;
    }
    const QByteArray bytes = line.toUtf8();
#else
    const QByteArray bytes = line.toLocal8Bit();
#endif
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// The few texts of Qt's command-line parser, in Japanese.
class ParserTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char * = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "QCommandLineParser") != 0) return {};
        static const QHash<QByteArray, QString> texts{
            {"Usage: %1", u"使い方: %1"_s},
            {"Options:", u"オプション:"_s},
            {"Arguments:", u"引数:"_s},
            {"[options]", u"[オプション]"_s},
            {"Unknown option '%1'.", u"「%1」というオプションはありません。"_s},
            {"Unknown options: %1.", u"「%1」というオプションはありません。"_s},
            {"Missing value after '%1'.", u"「%1」の後に値がありません。"_s},
            {"Unexpected value after '%1'.", u"「%1」は値を取りません。"_s},
        };
        return texts.value(QByteArray(source));
    }
    bool isEmpty() const override { return false; }
};

// Qt's notes about the session (no runtime folder, no screen) mean nothing to a user of
// the command line; everything else is passed on.
QtMessageHandler previousHandler = nullptr;

void filterMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg && type != QtCriticalMsg && message.startsWith(u"QStandardPaths:"_s)) return;
    if (previousHandler) previousHandler(type, context, message);
}

// Japanese for a Japanese locale, English otherwise.
bool japaneseLocale() { return QLocale::system().language() == QLocale::Japanese; }

} // namespace

int main(int argc, char *argv[])
{
#ifndef Q_OS_WIN
    // Drawing needs no screen: without a platform chosen, the program runs without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    previousHandler = qInstallMessageHandler(filterMessages);
    QGuiApplication app(argc, argv);
    app.setApplicationName(u"kmtx-export"_s);
    app.setApplicationVersion(QString::fromLatin1(KMTX_VERSION));
    fonts::registerSubstitutes();

    const bool japanese = japaneseLocale();
    ParserTranslator translator;
    if (japanese) app.installTranslator(&translator);
    const cli::ParseResult parsed = cli::parseCommandLine(app.arguments(), japanese);
    if (const auto *show = std::get_if<cli::ShowText>(&parsed)) {
        print(stdout, show->text);
        return 0;
    }
    if (const auto *error = std::get_if<cli::UsageError>(&parsed)) {
        print(stderr, error->message);
        print(stderr, cli::usage(japanese));
        return 2;
    }
    const cli::ExportOutcome outcome = cli::runExport(std::get<cli::ExportRequest>(parsed), japanese);
    print(stderr, outcome.notice);
    return outcome.exitCode;
}
