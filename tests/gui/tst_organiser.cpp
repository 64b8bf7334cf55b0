// The window as an organiser uses it: each screen shows its own areas whatever came
// before, the registration form works from the keyboard, locked fields look locked and
// a renamed group's tab shows the whole name.
#include "WindowFixture.h"

#include "app/ScreenAreas.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

using namespace Qt::StringLiterals;

class OrganiserTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void screensShowOnlyTheirAreas_data();
    void screensShowOnlyTheirAreas();
    void registeringWithTheKeyboardAlone();
    void groupNameFieldHasItsHintBesideIt();
    void lockedFieldsLookLockedAndSaySo();
    void renamedGroupTabShowsTheWholeName();
    void listScrollsAsFarAsTheFormSays();
};

namespace {
bool activate(StartedWindow &w)
{
    if (!w.exposed()) return false;
    w.window->activateWindow();
    return QTest::qWaitForWindowActive(w.window.get());
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}
} // namespace

void OrganiserTest::screensShowOnlyTheirAreas_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("tab");
    QTest::newRow("作表と印刷 from メンバー登録") << u"Label40"_s << u"Label64"_s;
    QTest::newRow("作表と印刷 from 組み合わせ") << u"Label42"_s << u"Label64"_s;
    QTest::newRow("メンバー登録 from 作表と印刷") << u"Label64"_s << u"Label40"_s;
    QTest::newRow("組み合わせ from 作表と印刷") << u"Label64"_s << u"Label42"_s;
    QTest::newRow("組み合わせ from メンバー登録") << u"Label40"_s << u"Label42"_s;
    QTest::newRow("メンバー登録 from 組み合わせ") << u"Label42"_s << u"Label40"_s;
}

void OrganiserTest::screensShowOnlyTheirAreas()
{
    QFETCH(QString, before);
    QFETCH(QString, tab);
    StartedWindow w;
    QVERIFY(w.exposed());
    QTest::mouseClick(w.window->widget(before), Qt::LeftButton);
    QTest::mouseClick(w.window->widget(tab), Qt::LeftButton);

    // Every widget shows exactly what the form's screen says.
    for (const char *name : screenareas::names())
        QVERIFY2(w.widget(name)->isVisible() == w.form().control(name).visible, name);
    if (tab == u"Label64"_s) {
        for (const char *name : {"Panel2", "Label3", "Label84", "Label4", "Button6", "Panel3", "Panel4"})
            QVERIFY2(!w.widget(name)->isVisible(), name);
        QVERIFY(w.widget("GroupBox1")->isVisible());
    }

    // No two visible areas overlap, except where one is laid over the other by design.
    const QStringList areas{u"Panel1"_s, u"Panel2"_s, u"Panel3"_s,  u"Panel4"_s,    u"Panel5"_s, u"Panel6"_s,
                            u"Panel8"_s, u"Panel9"_s, u"Panel10"_s, u"GroupBox1"_s, u"Edit18"_s};
    const QList<QStringList> byDesign{{u"Panel2"_s, u"Panel5"_s}, {u"Panel8"_s, u"GroupBox1"_s}};
    QStringList visible;
    for (const QString &a : areas)
        if (w.window->widget(a)->isVisible()) visible << a;
    for (int i = 0; i < visible.size(); ++i) {
        for (int j = i + 1; j < visible.size(); ++j) {
            if (byDesign.contains(QStringList{visible[i], visible[j]})) continue;
            const QRect a = w.window->widget(visible[i])->geometry();
            const QRect b = w.window->widget(visible[j])->geometry();
            QVERIFY2(!a.intersects(b), qPrintable(visible[i] + u" overlaps "_s + visible[j]));
        }
    }
}

void OrganiserTest::registeringWithTheKeyboardAlone()
{
    StartedWindow w;
    QVERIFY(activate(w));
    w.click("Label40"); // tab 「メンバー登録」
    w.click("Label3");  // 「新規登録」
    auto *team = w.widgetAs<QLineEdit>("Edit2");
    team->setFocus(Qt::OtherFocusReason);

    // Tab walks the form from top to bottom.
    QStringList walked{focusName()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << focusName();
    }
    QCOMPARE(walked, (QStringList{u"Edit2"_s, u"Edit1"_s, u"ComboBox1"_s, u"ComboBox2"_s, u"ComboBox3"_s,
                                  u"ComboBox4"_s, u"ComboBox5"_s, u"Button6"_s}));

    // Team, Tab, name, Tab, 女性 with the arrow key, then Enter back in 氏名.
    team->setFocus(Qt::OtherFocusReason);
    typeKeys(team, u"緑会"_s);
    QTest::keyClick(team, Qt::Key_Tab);
    typeKeys(QApplication::focusWidget(), u"山田花子"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusName(), u"ComboBox1"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(w.form().control("ComboBox1").itemIndex, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focusName(), u"Edit1"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(w.boxes.empty());
    QCOMPARE(w.form().MemberCount(), 1);
    QCOMPARE(w.form().Members[0].Name, u"山田花子"_s);
    QCOMPARE(w.form().Members[0].Sex, u"女性"_s);
    // The focus is back in the emptied 氏名 for the next member.
    QCOMPARE(focusName(), u"Edit1"_s);
    QVERIFY(w.widgetAs<QLineEdit>("Edit1")->text().isEmpty());

    // The next name, then Tab to 実行 and Enter there.
    typeKeys(QApplication::focusWidget(), u"川上"_s);
    for (int i = 0; i < 6; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusName(), u"Button6"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(w.form().MemberCount(), 2);
    QCOMPARE(w.form().Members[1].Name, u"川上"_s);
    QCOMPARE(focusName(), u"Edit1"_s);
}

void OrganiserTest::groupNameFieldHasItsHintBesideIt()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    auto *hint = w.widgetAs<QLabel>("GroupNameHint");
    QVERIFY(!hint->isVisible());
    w.window->menuEntry(u"N24"_s)->trigger(); // グループ名変更 › 新しい名称を入力
    QVERIFY(hint->isVisible());
    const QRect field = w.widget("Edit18")->geometry();
    QVERIFY(!hint->geometry().intersects(field));
    QVERIFY(hint->geometry().left() >= field.right());
    QVERIFY(qAbs(hint->geometry().top() - field.top()) < field.height());
    QVERIFY(hint->text().contains(u"グループ名変更"_s));
    // The whole hint fits its strip.
    QVERIFY(hint->heightForWidth(hint->contentsRect().width()) <= hint->contentsRect().height() + 2);
    w.window->menuEntry(u"N2"_s)->trigger(); // … 終了
    QVERIFY(!hint->isVisible());
}

void OrganiserTest::lockedFieldsLookLockedAndSaySo()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    for (const char *name : {"Edit16", "Edit6"}) {
        auto *field = w.widgetAs<QLineEdit>(name);
        QVERIFY(field->isReadOnly());
        QCOMPARE(field->palette().color(QPalette::Base), colours::ReadOnly);
        QVERIFY(field->toolTip().contains(u"やり直し"_s));
    }
    w.click("Button2"); // 「やり直し」
    for (const char *name : {"Edit16", "Edit6"}) {
        auto *field = w.widgetAs<QLineEdit>(name);
        QVERIFY(!field->isReadOnly());
        QVERIFY(field->palette().color(QPalette::Base) != colours::ReadOnly);
        QVERIFY(field->toolTip().isEmpty());
    }
}

void OrganiserTest::renamedGroupTabShowsTheWholeName()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    auto *tabA = w.widgetAs<QLabel>("Label44");
    auto *tabB = w.widgetAs<QLabel>("Label45");
    const int usual = tabB->font().pixelSize();
    QCOMPARE(usual, MainWindow::TabFontPixels);

    w.window->menuEntry(u"N24"_s)->trigger(); // グループ名変更 › 新しい名称を入力
    commitInput(w.widget("Edit18"), u"みどり会員"_s);
    w.window->menuEntry(u"A2"_s)->trigger(); // Aグループを変える
    QCOMPARE(tabA->text(), u"みどり会員 グループ"_s);
    QVERIFY(tabA->font().pixelSize() < usual);
    QVERIFY(QFontMetrics(tabA->font()).horizontalAdvance(tabA->text()) <= tabA->contentsRect().width());
    QCOMPARE(tabB->font().pixelSize(), usual); // a short name keeps the usual size

    // Back to a short name, back to the usual size.
    w.window->menuEntry(u"N24"_s)->trigger();
    commitInput(w.widget("Edit18"), u"A"_s);
    w.window->menuEntry(u"A2"_s)->trigger();
    QCOMPARE(tabA->font().pixelSize(), usual);
}

void OrganiserTest::listScrollsAsFarAsTheFormSays()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    auto *list = w.widgetAs<QScrollArea>("ScrollBox1");
    QScrollBar *bar = list->verticalScrollBar();
    // The last row the list really scrolls to is the form's last top row, 279.
    QCOMPARE(bar->maximum() / w.form().RowHeight, w.form().lastListTopRow());
    QCOMPARE(bar->maximum() % w.form().RowHeight, 0);
    w.form().scrollListTo(1000);
    w.window->refresh();
    QCOMPARE(bar->value(), bar->maximum());
}

QTEST_MAIN(OrganiserTest)
#include "tst_organiser.moc"
