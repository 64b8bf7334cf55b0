// The real window: its size and areas, one widget per control of the form, clicks and
// keys that reach the form, and widgets that follow the form's controls.
#include "WindowFixture.h"

#include "gui/LayoutTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void windowHasItsFixedSizeCaptionAndColour();
    void everyControlHasAWidget();
    void areasSitWhereTheyBelong_data();
    void areasSitWhereTheyBelong();
    void visibleAreasDoNotOverlap_data();
    void visibleAreasDoNotOverlap();
    void registrationFieldsStayClearOfTheCountLine();
    void memberListShowsTwentyOneRows();
    void wheelMovesTheListBy29Pixels();
    void listFollowsTheFormsScrolling();
    void tabClickReachesTheForm();
    void typingIsCutAtTheFieldLimit_data();
    void typingIsCutAtTheFieldLimit();
    void choosingAnEntryReachesTheForm();
    void widgetsFollowTheControls();
    void requestedFieldTakesTheFocus();
    void fontsResolveToJapaneseFaces();
};

void MainWindowTest::windowHasItsFixedSizeCaptionAndColour()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    // As tall as the menu bar and the areas: with a usual title bar of 30 pixels the whole
    // window stays within 714 pixels and fits a 1024 × 768 screen.
    QCOMPARE(w.window->width(), 1020);
    QVERIFY2(w.window->height() + 30 <= 714, qPrintable(QString::number(w.window->height())));
    QCOMPARE(w.window->minimumSize(), w.window->size());
    QCOMPARE(w.window->maximumSize(), w.window->size());
    const QWidget *client = w.window->centralWidget();
    QCOMPARE(client->height(), layoutBottom() + MainWindow::BottomMargin);
    for (const Place &p : layoutTable()) {
        if (!p.parent.isEmpty()) continue;
        const QWidget *area = w.window->widget(p.name);
        QVERIFY2(client->rect().contains(area->geometry()), qPrintable(p.name)); // nothing is cut
    }
    QCOMPARE(w.window->windowTitle(), u"くみっとEX"_s);
    QCOMPARE(QCoreApplication::applicationName(), u"くみっとSP"_s);
    QCOMPARE(w.window->centralWidget()->palette().color(QPalette::Window), QColor(192, 220, 192));
    QVERIFY(!w.window->windowIcon().isNull());
}

void MainWindowTest::everyControlHasAWidget()
{
    StartedWindow w;
    QCOMPARE(w.window->unplacedControls(), QStringList());
    for (const auto &[name, control] : w.form().controls()) {
        if (control.kind == ControlKind::MenuItem) {
            QVERIFY2(w.window->menuEntry(name), qPrintable(name));
            continue;
        }
        QWidget *widget = w.window->widget(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->objectName(), name);
        QVERIFY2(findPlace(name), qPrintable(name));
    }
}

void MainWindowTest::areasSitWhereTheyBelong_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("member list area") << u"Panel1"_s << QRect(2, 2, 520, 651);
    QTest::newRow("particulars") << u"Panel10"_s << QRect(5, 1, 538, 49);
    QTest::newRow("screen tabs") << u"Panel6"_s << QRect(550, 0, 417, 20);
    QTest::newRow("group tabs") << u"Panel8"_s << QRect(550, 21, 417, 19);
    QTest::newRow("manual box") << u"Panel3"_s << QRect(533, 60, 206, 83);
    QTest::newRow("automatic box") << u"Panel4"_s << QRect(750, 60, 238, 83);
    QTest::newRow("registration form") << u"Panel2"_s << QRect(531, 75, 459, 260);
    QTest::newRow("count line") << u"Panel5"_s << QRect(531, 152, 457, 24);
    QTest::newRow("party board") << u"Panel9"_s << QRect(523, 185, 475, 468);
    QTest::newRow("table commands") << u"GroupBox1"_s << QRect(742, 22, 135, 160);
    QTest::newRow("header row") << u"Image2"_s << QRect(7, 28, 488, 28);
    QTest::newRow("scrolling list") << u"ScrollBox1"_s << QRect(5, 56, 513, 589);
    QTest::newRow("list image") << u"Image1"_s << QRect(0, 0, 488, 8401);
    QTest::newRow("party 1") << u"Image11"_s << QRect(1, 20, 117, 133);
    QTest::newRow("party 12") << u"Image22"_s << QRect(355, 332, 117, 133);
}

void MainWindowTest::areasSitWhereTheyBelong()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    StartedWindow w;
    QWidget *widget = w.window->widget(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
}

void MainWindowTest::visibleAreasDoNotOverlap_data()
{
    QTest::addColumn<QString>("tab");
    QTest::newRow("組み合わせ") << u"Label42"_s;
    QTest::newRow("メンバー登録") << u"Label40"_s;
}

void MainWindowTest::visibleAreasDoNotOverlap()
{
    QFETCH(QString, tab);
    StartedWindow w;
    QVERIFY(w.exposed());
    QTest::mouseClick(w.window->widget(tab), Qt::LeftButton);
    const QStringList areas{u"Panel1"_s, u"Panel2"_s, u"Panel3"_s,  u"Panel4"_s,    u"Panel5"_s, u"Panel6"_s,
                            u"Panel8"_s, u"Panel9"_s, u"Panel10"_s, u"GroupBox1"_s, u"Edit18"_s};
    QStringList visible;
    for (const QString &a : areas)
        if (w.window->widget(a)->isVisible()) visible << a;
    QVERIFY(visible.contains(u"Panel1"_s));
    for (int i = 0; i < visible.size(); ++i) {
        for (int j = i + 1; j < visible.size(); ++j) {
            // The count line lies over the registration form by design.
            if (visible[i] == u"Panel2"_s && visible[j] == u"Panel5"_s) continue;
            const QRect a = w.window->widget(visible[i])->geometry();
            const QRect b = w.window->widget(visible[j])->geometry();
            QVERIFY2(!a.intersects(b), qPrintable(visible[i] + u" overlaps "_s + visible[j]));
        }
    }
}

void MainWindowTest::registrationFieldsStayClearOfTheCountLine()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    w.click("Label40");
    QWidget *form = w.widget("Panel2");
    QWidget *countLine = w.widget("Panel5");
    QVERIFY(form->isVisible());
    QVERIFY(countLine->isVisible());
    int checked = 0;
    for (QWidget *child : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible()) continue;
        const QRect inWindow(form->mapTo(w.window->centralWidget(), child->pos()), child->size());
        QVERIFY2(!inWindow.intersects(countLine->geometry()), qPrintable(child->objectName()));
        ++checked;
    }
    QVERIFY(checked >= 12);
}

void MainWindowTest::memberListShowsTwentyOneRows()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    auto *list = w.widgetAs<QScrollArea>("ScrollBox1");
    QVERIFY(list);
    QCOMPARE(list->widget(), w.widget("Image1"));
    const int shown = list->viewport()->height();
    QVERIFY2(shown >= 21 * 28 && shown < 22 * 28, qPrintable(QString::number(shown)));
    QVERIFY(list->viewport()->width() >= 488);
}

void MainWindowTest::wheelMovesTheListBy29Pixels()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    auto *list = w.widgetAs<QScrollArea>("ScrollBox1");
    QCOMPARE(list->verticalScrollBar()->value(), 0);
    const QPointF at(100, 100);
    QWheelEvent down(at, list->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->viewport(), &down);
    QCOMPARE(list->verticalScrollBar()->value(), 29);
    QApplication::sendEvent(list->viewport(), &down);
    QCOMPARE(list->verticalScrollBar()->value(), 58);
    QWheelEvent up(at, list->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->viewport(), &up);
    QCOMPARE(list->verticalScrollBar()->value(), 29);
}

void MainWindowTest::listFollowsTheFormsScrolling()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    auto *list = w.widgetAs<QScrollArea>("ScrollBox1");
    w.form().scrollListTo(40);
    w.window->refresh();
    QCOMPARE(list->verticalScrollBar()->value(), 40 * 28);
    // The user's own scrolling stays until the form scrolls again.
    list->verticalScrollBar()->setValue(100);
    w.window->refresh();
    QCOMPARE(list->verticalScrollBar()->value(), 100);
    w.form().scrollListTo(0);
    w.window->refresh();
    QCOMPARE(list->verticalScrollBar()->value(), 0);
}

void MainWindowTest::tabClickReachesTheForm()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    QCOMPARE(w.form().Screen, screen::Combination);
    QVERIFY(w.widget("Panel9")->isVisible());
    QVERIFY(!w.widget("Panel2")->isVisible());

    w.click("Label40"); // tab 「メンバー登録」
    QCOMPARE(w.form().Screen, screen::Registration);
    QVERIFY(w.widget("Panel2")->isVisible());
    QVERIFY(!w.widget("Panel9")->isVisible());
    QCOMPARE(w.widget("Label40")->palette().color(QPalette::Window), QColor(255, 255, 0));
    QCOMPARE(w.widget("Label42")->palette().color(QPalette::Window), colours::ButtonFace);
    QCOMPARE(w.widgetAs<QLabel>("Label40")->text(), u"メンバー登録"_s);

    w.click("Label42"); // tab 「組み合わせ」
    QCOMPARE(w.form().Screen, screen::Combination);
    QVERIFY(w.widget("Panel9")->isVisible());
    QVERIFY(!w.widget("Panel2")->isVisible());
}

void MainWindowTest::typingIsCutAtTheFieldLimit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("throughInputMethod");
    QTest::addColumn<QString>("kept");
    QTest::newRow("氏名, full-width keys")
        << u"Edit1"_s << u"山田花子太郎次郎"_s << false << u"山田花子太郎次"_s;
    QTest::newRow("氏名, half-width keys")
        << u"Edit1"_s << u"abcdefghijklmnop"_s << false << u"abcdefghijklmn"_s;
    QTest::newRow("氏名, converted name")
        << u"Edit1"_s << u"長谷川由美子さん"_s << true << u"長谷川由美子さ"_s;
    // 17 bytes fit; the next full-width character would make 19 of the 18 allowed.
    QTest::newRow("チーム名, mixed keys")
        << u"Edit2"_s << u"緑会Aチーム第二班です"_s << false << u"緑会Aチーム第二班"_s;
}

void MainWindowTest::typingIsCutAtTheFieldLimit()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, throughInputMethod);
    QFETCH(QString, kept);
    StartedWindow w;
    QVERIFY(w.exposed());
    w.click("Label40");
    auto *edit = qobject_cast<QLineEdit *>(w.window->widget(field));
    QVERIFY(edit && edit->isVisible());
    QTest::mouseClick(edit, Qt::LeftButton);
    if (throughInputMethod)
        commitInput(edit, typed);
    else
        typeKeys(edit, typed);
    QCOMPARE(edit->text(), kept);
    QCOMPARE(w.form().control(field).text, kept);
    QCOMPARE(edit->cursorPosition(), kept.size());
}

void MainWindowTest::choosingAnEntryReachesTheForm()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    w.click("Label40");
    auto *sex = w.widgetAs<QComboBox>("ComboBox1");
    QCOMPARE(sex->count(), 2);
    QCOMPARE(sex->currentText(), u"男性"_s);
    sex->setFocus();
    QTest::keyClick(sex, Qt::Key_Down);
    QCOMPARE(sex->currentText(), u"女性"_s);
    QCOMPARE(w.form().control("ComboBox1").itemIndex, 1);

    auto *year = w.widgetAs<QComboBox>("ComboBox3");
    QCOMPARE(year->count(), 64);
    QCOMPARE(year->currentIndex(), 9);
    Q_EMIT year->activated(29); // 30年
    QCOMPARE(w.form().control("ComboBox3").itemIndex, 29);
}

void MainWindowTest::widgetsFollowTheControls()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    Control &count = w.form().control("Label25");
    count.text = u"出場設定数   12"_s;
    count.fontColour = QColor(255, 0, 0);
    Control &start = w.form().control("Button1");
    start.enabled = false;
    Control &groups = w.form().control("Edit16");
    groups.text = u"3"_s;
    groups.readOnly = false;
    Control &era = w.form().control("ComboBox2");
    era.itemIndex = 3;
    Control &ranking = w.form().control("CheckBox1");
    ranking.checked = true;
    w.form().control("Panel9").visible = false;
    w.window->refresh();

    QCOMPARE(w.widgetAs<QLabel>("Label25")->text(), u"出場設定数   12"_s);
    QCOMPARE(w.widget("Label25")->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(!w.widget("Button1")->isEnabled());
    QCOMPARE(w.widgetAs<QLineEdit>("Edit16")->text(), u"3"_s);
    QVERIFY(!w.widgetAs<QLineEdit>("Edit16")->isReadOnly());
    QCOMPARE(w.widgetAs<QComboBox>("ComboBox2")->currentText(), u"平成"_s);
    QVERIFY(w.widgetAs<QCheckBox>("CheckBox1")->isChecked());
    QVERIFY(!w.widget("Panel9")->isVisible());
}

void MainWindowTest::requestedFieldTakesTheFocus()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    auto *name = w.widgetAs<QLineEdit>("Edit18");
    QVERIFY(!name->isVisible());
    w.window->menuEntry(u"N24"_s)->trigger(); // グループ名変更 › 新しい名称を入力
    QVERIFY(name->isVisible());
    QCOMPARE(QApplication::focusWidget(), name);
    QVERIFY(w.form().FocusRequest.isEmpty());
    typeKeys(name, u"みどり組さん"_s);
    QCOMPARE(w.form().control("Edit18").text, u"みどり組さ"_s);
    QCOMPARE(name->text(), u"みどり組さ"_s);
}

void MainWindowTest::fontsResolveToJapaneseFaces()
{
    // Windows' own faces where they are, else (as on Linux and under Wine) the free ones.
    const bool ms = QFontDatabase::hasFamily(u"MS PGothic"_s);
    const QString proportional = ms ? u"MS PGothic"_s : u"IPAPGothic"_s,
                  fixed = ms ? u"MS Gothic"_s : u"IPAGothic"_s;
    if (!QFontDatabase::hasFamily(proportional) || !QFontDatabase::hasFamily(fixed))
        QSKIP("The Japanese fonts are not installed here");
    QCOMPARE(QFontInfo(QFont(tables::fonts::proportionalGothic())).family(), proportional);
    QCOMPARE(QFontInfo(QFont(tables::fonts::gothic())).family(), fixed);
    QCOMPARE(QFontInfo(QApplication::font()).family(), proportional);
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
