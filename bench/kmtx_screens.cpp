// Screenshots of every screen of くみっとEX, offscreen, to check that a change to how the
// window is built leaves every pixel as it was.
//
//   kmtx_screens shoot FOLDER          writes one PNG per screen, menu, list and box
//   kmtx_screens compare BEFORE AFTER  compares two such folders pixel by pixel; prints
//                                      each picture that differs (and writes NAME-diff.png
//                                      into AFTER) and exits with 1 when any does
//
// The screens are those of a whole meeting (the full meeting file of the tests): the start,
// メンバー登録 and its modes, 組み合わせ with a combination, 作表と印刷 with each table,
// 得点入力, player swapping, group names, every menu and submenu opened, every list of the
// registration form opened, and the about box.
#include "gui/MainWindow.h"
#include "settings/WindowSettings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

class Shooter
{
public:
    Shooter(MainWindow &window, const QString &folder) : m_window(window), m_folder(folder) {}

    void shoot(const QString &name, QWidget *widget)
    {
        settle();
        const QImage image = widget->grab().toImage();
        image.save(QDir(m_folder).filePath(name + u".png"_s));
        ++count;
    }
    void shootWindow(const QString &name) { shoot(name, &m_window); }

    // A command of the form followed by what the window does after every command.
    void command(const std::function<void(TMainForm &)> &step, const QString &name = {})
    {
        step(m_window.form());
        m_window.refresh();
        if (!name.isEmpty()) shootWindow(name);
    }

    void menus(const QString &prefix)
    {
        int i = 0;
        for (QAction *action : m_window.menuBar()->actions()) {
            QMenu *menu = action->menu();
            if (!menu) continue;
            ++i;
            m_window.menuBar()->setActiveAction(action);
            settle();
            shoot(prefix + u"menu-%1"_s.arg(i, 2, 10, QChar(u'0')), menu);
            shootWindow(prefix + u"menu-%1-window"_s.arg(i, 2, 10, QChar(u'0')));
            int j = 0;
            for (QAction *entry : menu->actions()) {
                if (QMenu *sub = entry->menu()) {
                    sub->popup(menu->mapToGlobal(menu->actionGeometry(entry).topRight()));
                    shoot(prefix + u"menu-%1-%2"_s.arg(i, 2, 10, QChar(u'0')).arg(++j), sub);
                    sub->hide();
                }
            }
            menu->hide();
            settle();
        }
    }

    void lists()
    {
        for (const char *name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"}) {
            auto *box = qobject_cast<QComboBox *>(m_window.widget(QString::fromLatin1(name)));
            if (!box) continue;
            box->showPopup();
            settle();
            shoot(u"list-"_s + QString::fromLatin1(name), box->view()->window());
            box->hidePopup();
        }
    }

    void about()
    {
        QTimer::singleShot(0, &m_window, [this] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box) box = m_window.findChild<QDialog *>(u"AboutBox"_s);
            if (!box) return;
            shoot(u"about"_s, box);
            box->close();
        });
        m_window.menuEntry(u"N6"_s)->trigger();
    }

    int count = 0;

private:
    MainWindow &m_window;
    QString m_folder;
};

int shootAll(const QString &folder)
{
    QDir().mkpath(folder);
    MainWindow window;
    window.platform().answerBox = [](const QString &, const QString &, MsgIcon, MsgButtons buttons) {
        return buttons == MsgButtons::Ok ? int(IdOk) : int(IdYes);
    };
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) QCoreApplication::processEvents();
    Shooter s(window, folder);
    s.shootWindow(u"01-start"_s);
    s.menus(u"01-"_s);
    s.about();

    // The meeting from one place whichever checkout shoots, as the recent files show it.
    const QString meeting = QDir::temp().filePath(u"kmtx_screens/write-full-300.txt"_s);
    QDir::temp().mkpath(u"kmtx_screens"_s);
    QFile::remove(meeting);
    QFile::copy(QString::fromLatin1(KMTX_TEST_DATA) + u"/write-full-300.txt"_s, meeting);
    s.command([&](TMainForm &f) { f.openMeetingFile(meeting); }, u"02-opened"_s);
    s.command([](TMainForm &f) { f.Label40Click(); }, u"03-register"_s);
    s.lists();
    s.command([](TMainForm &f) { f.Label4Click(); }, u"04-register-correct"_s);
    s.command([](TMainForm &f) { f.clickMemberList(2); }, u"05-register-correct-member"_s);
    s.command([](TMainForm &f) { f.Label5Click(); }, u"06-register-move"_s);
    s.command([](TMainForm &f) { f.Label22Click(); });
    s.command([](TMainForm &f) { f.Label84Click(); }, u"07-register-add"_s);
    s.command([](TMainForm &f) { f.Label42Click(); }, u"08-combination"_s);
    s.command([](TMainForm &f) { f.Label45Click(); }, u"09-combination-B"_s);
    s.command([](TMainForm &f) { f.Label75Click(); }, u"10-combination-play"_s);
    s.command([](TMainForm &f) { f.Label64Click(); }, u"11-tables"_s);
    s.command([](TMainForm &f) { f.Label44Click(); }, u"12-tables-A"_s);
    s.command([](TMainForm &f) { f.Label53Click(); }, u"13-combination-table"_s);
    s.command([](TMainForm &f) { f.N41Click(); }, u"14-swap"_s);
    s.command([](TMainForm &f) { f.Button3Click(); }, u"15-swap-choose"_s);
    s.command([](TMainForm &f) { f.N45Click(); });
    s.command([](TMainForm &f) { f.Label64Click(); }, u"16-tables-again"_s);
    s.command([](TMainForm &f) { f.Label43Click(); }, u"17-score-sheet"_s);
    s.command([](TMainForm &f) { f.Label64Click(); });
    s.command([](TMainForm &f) { f.Label60Click(); }, u"18-result-table"_s);
    s.command([](TMainForm &f) { f.Label64Click(); });
    s.command([](TMainForm &f) { f.Label56Click(); }, u"19-member-table"_s);
    s.command([](TMainForm &f) { f.N32Click(); });
    s.command([](TMainForm &f) { f.Label64Click(); });
    s.command([](TMainForm &f) { f.Label56Click(); }, u"20-member-table-across"_s);
    s.command([](TMainForm &f) { f.Label54Click(); }, u"21-score-entry"_s);
    s.command([](TMainForm &f) { f.Label46Click(); }, u"22-score-entry-C"_s);
    s.command([](TMainForm &f) { f.Image28MouseDown(200, 120); }, u"23-score-entry-cursor"_s);
    s.command([](TMainForm &f) { f.N24Click(); }, u"24-group-names"_s);
    s.command([](TMainForm &f) { f.Label42Click(); }, u"25-combination-after"_s);
    s.command([](TMainForm &f) { f.Button2Click(); }, u"26-combination-undone"_s);
    s.command([](TMainForm &f) { f.Button4Click(); }, u"27-manual"_s);
    s.command([](TMainForm &f) { f.clickMemberList(0); }, u"28-manual-picked"_s);
    s.menus(u"28-"_s);
    std::printf("%d pictures in %s\n", s.count, qPrintable(folder));
    return 0;
}

int compare(const QString &before, const QString &after)
{
    int differing = 0;
    int compared = 0;
    const QStringList names = QDir(before).entryList({u"*.png"_s}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (name.endsWith(u"-diff.png"_s)) continue;
        const QImage a = QImage(QDir(before).filePath(name)).convertToFormat(QImage::Format_RGB32);
        const QImage b = QImage(QDir(after).filePath(name)).convertToFormat(QImage::Format_RGB32);
        ++compared;
        if (b.isNull() || a.size() != b.size()) {
            std::printf("%s: %s\n", qPrintable(name), b.isNull() ? "missing" : "size differs");
            ++differing;
            continue;
        }
        QImage diff = b.copy();
        int pixels = 0;
        QRect box;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                if (a.pixel(x, y) == b.pixel(x, y)) continue;
                ++pixels;
                box |= QRect(x, y, 1, 1);
                diff.setPixel(x, y, qRgb(255, 0, 255));
            }
        }
        if (pixels == 0) continue;
        ++differing;
        diff.save(QDir(after).filePath(name.chopped(4) + u"-diff.png"_s));
        std::printf("%s: %d pixels differ in (%d, %d) %d x %d\n", qPrintable(name), pixels, box.x(), box.y(),
                    box.width(), box.height());
    }
    std::printf("%d of %d pictures differ\n", differing, compared);
    return differing == 0 && compared > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && qstrcmp(argv[1], "compare") == 0) {
        QGuiApplication app(argc, argv);
        QImageReader::setAllocationLimit(0); // pages at 600 dpi
        return compare(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc != 3 || qstrcmp(argv[1], "shoot") != 0) {
        std::fprintf(stderr, "usage: kmtx_screens shoot FOLDER | compare BEFORE AFTER\n");
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true);
    // Every run starts from no settings: no recent files, the groups' own names.
    QTemporaryDir settingsFolder;
    settings::keepSettingsIn(settingsFolder.path());
    QApplication app(argc, argv);
    MainWindow::prepareApplication(app);
    return shootAll(QString::fromLocal8Bit(argv[2]));
}
