// くみっとEX: the organiser's program for a Ground Golf meeting.
#include "gui/MainWindow.h"
#include "settings/WindowSettings.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindow::prepareApplication(app);
    // Driven by steps on standard input, for tests of the whole program; such a session keeps its
    // settings in its folder, never in the user's.
    const QStringList args = app.arguments();
    const bool scripted = args.size() == 3 && args[1] == u"--script"_s;
    if (scripted) settings::keepSettingsIn(args[2]);
    try {
        MainWindow window;
        if (scripted) return window.runScript(args[2]);
        window.keepRecoveryCopies(MainWindow::recoveryFolder());
        window.show();
        return app.exec();
    } catch (const std::exception &error) {
        // A failure while the window is built ends the program with the reason shown.
        QMessageBox::critical(nullptr, QCoreApplication::applicationName(),
                              QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
