// The pictures of the help (data/help/*.png): the real window at the steps the help
// describes, with the program's own test data, saved as small PNG files.
//   cmake --build build --target help-shots      (writes data/help/ of the source tree)
#include "gui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QStandardPaths>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// A click in the middle of a control's widget, as the mouse gives it.
void click(MainWindow &w, const QString &name)
{
    QWidget *widget = w.widget(name);
    if (!widget) {
        std::fprintf(stderr, "helpshots: no control %s\n", qPrintable(name));
        return;
    }
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    QApplication::processEvents();
}

void choose(MainWindow &w, const QString &entry)
{
    if (QAction *action = w.menuEntry(entry)) action->trigger();
    QApplication::processEvents();
}

// The window as it looks, in few colours: a picture of the help stays small.
bool save(MainWindow &w, const QDir &folder, const QString &name)
{
    w.refresh();
    QApplication::processEvents();
    const QImage shot = w.grab().toImage().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const QString path = folder.filePath(name);
    if (!shot.save(path, "PNG", 0)) { // 0: the smallest file
        std::fprintf(stderr, "helpshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The user's own group names and recent files stay out of the pictures.
    QStandardPaths::setTestModeEnabled(true);
    MainWindow::prepareApplication(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kmtx-helpshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) return 1;

    MainWindow w;
    // Every question is answered はい, as the help's steps do.
    w.platform().answerBox = [](const QString &, const QString &, MsgIcon, MsgButtons buttons) {
        return buttons == MsgButtons::Ok ? int(IdOk) : int(IdYes);
    };
    w.show();
    QApplication::processEvents();

    bool ok = true;
    // メンバー登録: the test roster, the form ready for 追加登録.
    choose(w, u"N27"_s); // 擬似メンバー読み出し
    click(w, u"Label40"_s);
    click(w, u"Label84"_s);
    w.form().scrollListTo(0); // the list from its first member
    ok = save(w, folder, u"members.png"_s) && ok;

    // 組み合わせ: everyone plays, おまかせで組み合せ has dealt the groups and parties.
    click(w, u"Label42"_s);
    choose(w, u"N9"_s); // 全員を出場に設定
    click(w, u"Button1"_s);
    ok = save(w, folder, u"combination.png"_s) && ok;
    click(w, u"Button10"_s); // 完了

    // 作表と印刷: the combination table of group A.
    click(w, u"Label64"_s);
    click(w, u"Label53"_s);
    click(w, u"Label44"_s);
    ok = save(w, folder, u"tables.png"_s) && ok;

    // 得点入力: group A with the test scores.
    click(w, u"Label54"_s);
    click(w, u"Label44"_s);
    choose(w, u"N28"_s); // 擬似得点読み出し
    ok = save(w, folder, u"scores.png"_s) && ok;

    // The result table, ヨコ形.
    choose(w, u"N32"_s);
    click(w, u"Label64"_s);
    click(w, u"Label60"_s);
    w.form().GroupBox1Click(); // a click beside the table commands puts them away
    ok = save(w, folder, u"results.png"_s) && ok;
    return ok ? 0 : 1;
}
