// kmtx-venue: the venue's pages and JSON interface over a meeting file, which is saved after
// every accepted card.
//   kmtx-venue MEETING.txt [--port N] [--bind ADDRESS] [--holes N]
// The first line on standard output is the pages' address, then one line per filled party,
// "GROUP PARTY CODE", then an empty line. SIGINT or SIGTERM ends it with the file saved.
#include "settings/WindowSettings.h"
#include "venue/Addresses.h"
#include "venue/FileDesk.h"
#include "venue/Venue.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace {

void say(FILE *stream, const QString &line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

#ifdef Q_OS_UNIX
int signalPipe[2] = {-1, -1};
void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &c, 1);
}
#endif

// Ends the event loop on SIGINT or SIGTERM (Ctrl+C or closing the console on Windows).
void quitOnSignals(QCoreApplication &app)
{
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
#elif defined(Q_OS_WIN)
    static QCoreApplication *application = &app;
    SetConsoleCtrlHandler(
        [](DWORD) -> BOOL {
            QMetaObject::invokeMethod(application, &QCoreApplication::quit, Qt::QueuedConnection);
            Sleep(5000); // the event loop ends and the program returns meanwhile
            return TRUE;
        },
        TRUE);
#endif
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"kmtx-venue"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(KMTX_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(u"くみっとEX の会場ネットワーク：組のリーダーが携帯から成績を送り、"
                                     u"成績速報を表示します。"_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"MEETING"_s, u"大会のファイル（受け付けた成績のたびに保存します）"_s);
    const QCommandLineOption port(u"port"_s, u"待ち受けるポート（0 は空いているポート、既定 8080）"_s, u"N"_s,
                                  u"8080"_s);
    const QCommandLineOption bind(u"bind"_s, u"待ち受けるアドレス（既定はすべて）"_s, u"ADDRESS"_s);
    const QCommandLineOption holes(u"holes"_s, u"1ラウンドのホール数（成績の確認に使います、既定 10）"_s,
                                   u"N"_s, u"10"_s);
    parser.addOptions({port, bind, holes});
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        say(stderr, u"大会のファイルを一つ指定して下さい"_s);
        return 2;
    }
    bool portOk = false;
    const uint portNumber = parser.value(port).toUInt(&portOk);
    bool holesOk = false;
    const int holeCount = parser.value(holes).toInt(&holesOk);
    QHostAddress address(QHostAddress::AnyIPv4);
    if (!portOk || portNumber > 65535 || !holesOk || holeCount < 1 || holeCount > 12 ||
        (parser.isSet(bind) && !address.setAddress(parser.value(bind)))) {
        say(stderr, u"--port は 0〜65535、--holes は 1〜12、--bind は IP アドレスで指定して下さい"_s);
        return 2;
    }

    const QString path = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    std::variant<datafile::Meeting, QString> meeting = venue::FileDesk::read(path);
    if (const QString *why = std::get_if<QString>(&meeting)) {
        say(stderr, *why);
        return 1;
    }
    venue::FileDesk desk(path, std::get<datafile::Meeting>(std::move(meeting)), holeCount,
                         settings::readGroupNames());
    venue::Venue venue(desk);
    if (const std::optional<QString> failure = venue.start(address, quint16(portNumber))) {
        say(stderr, *failure);
        return 1;
    }
    if (!venue.bookProblem().isEmpty()) say(stderr, venue.bookProblem());
    say(stdout, venue::pageAddress(venue::reachableAt(address).first(), venue.port()));
    const std::shared_ptr<const venue::View> view = venue.view();
    for (int g = 0; g < venue::Groups; ++g)
        for (int k = 0; k < venue::Parties; ++k)
            if (view->filled(g, k))
                say(stdout, u"%1 %2 %3"_s.arg(grouping::groupLetter(g))
                                .arg(k + 1)
                                .arg(view->snapshot().book.party(g, k).code));
    say(stdout, QString());

    quitOnSignals(app);
    const int status = app.exec();
    venue.stop();
    say(stderr, u"longest main-thread pause: %1 ms"_s.arg(venue.longestPause()));
    if (!venue.bookProblem().isEmpty()) say(stderr, venue.bookProblem());
    return status;
}
