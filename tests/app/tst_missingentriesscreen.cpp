// 未入力の確認 on the 得点入力 screen: the count under the table follows every entry, clear
// and group, the list names the players without an entry, and its click moves the cursor.
#include "TableSteps.h"

#include "scoring/MissingEntries.h"

using namespace Qt::StringLiterals;
using namespace tablesteps;

namespace {
const tables::sheet::Scale kScale = tables::sheet::GridScreen;

QPoint cursorAt(int row, int slot)
{
    const int w = kScale.X(175);
    const int x0 = kScale.offX(kScale.X(34), 75);
    const int h = kScale.Y(53);
    return QPoint(kScale.offX(x0 + w * slot, 23), kScale.offY((row + 2) * h, 28));
}

bool cursorShownAt(Scenario &s, int row, int slot)
{
    const QPoint at = cursorAt(row, slot);
    const DrawnText *t = s.platform.canvas("Image28").drawnAt(at.x(), at.y());
    return t && t->text == u"⇒"_s && t->colour == colours::Red;
}

void enter(Scenario &s, const QString &one, const QString &two, const QString &total)
{
    s.form.typeInto("Edit3", one);
    s.form.entryFieldKey(u"Edit3"_s, 13);
    s.form.typeInto("Edit4", two);
    s.form.pressEnter(u"Edit4"_s);
    s.form.typeInto("Edit5", total);
    s.form.pressEnter(u"Edit5"_s);
}

void clickCell(Scenario &s, int row, int slot)
{
    const TMainForm &f = s.form;
    s.form.Image28MouseDown(f.GridLeft + f.GridColumnWidth * slot + f.GridColumnWidth / 2,
                            f.GridTop + f.GridRowH * row + f.GridRowH / 2);
}

void onScoreEntry(Scenario &s, int groups, int parties, int size, int g)
{
    storeCombination(s, groups, parties, size);
    s.form.TokutenClr(5);
    s.form.Label54Click();
    s.form.groupTab(g);
}

// The players of the shown group without an entry, read from the records themselves:
// "party,slot,name" for every stored player whose record counts no entry.
QStringList missingByRecords(Scenario &s, int g, int parties, int size)
{
    QStringList missing;
    for (int k = 1; k <= parties; ++k)
        for (int slot = 0; slot < size; ++slot) {
            const QString entries = s.form.ScoreSlots[g - 1][k - 1][slot].Entries;
            if (entries.isEmpty() || entries == u"0"_s)
                missing << u"%1組%2番　%3（班%4）"_s.arg(k)
                               .arg(slot + 1)
                               .arg(storedName(g, k, slot, size))
                               .arg(g);
        }
    return missing;
}

// The list the button shows (its title and heading left out).
QStringList listShown(Scenario &s)
{
    s.form.MissingListClick();
    if (s.platform.listsShown.empty()) return {};
    return s.platform.listsShown.back().mid(2);
}

QString countLine(int n) { return u"未入力の選手　%1名"_s.arg(n); }
} // namespace

class MissingEntriesScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void theCountFollowsEveryEntry();
    void theListMatchesTheRecords();
    void aClickPlacesTheCursor();
    void everyoneEntered();
    void onlyOnTheScoreEntryScreen();
};

void MissingEntriesScreenTest::theCountFollowsEveryEntry()
{
    Scenario s;
    onScoreEntry(s, 2, 3, 5, 1);
    QVERIFY(s.form.control("MissingCount").visible);
    QVERIFY(s.form.control("MissingList").visible);
    QVERIFY(s.form.control("MissingList").enabled);
    QCOMPARE(s.form.control("MissingCount").text, countLine(15));
    enter(s, u"1"_s, u"0"_s, u"30"_s);
    enter(s, u"0"_s, u"1"_s, u"29"_s);
    QCOMPARE(s.form.control("MissingCount").text, countLine(13));
    // A second entry into the same place leaves the count.
    clickCell(s, 0, 0);
    enter(s, u"0"_s, u"0"_s, u"31"_s);
    QCOMPARE(s.form.control("MissingCount").text, countLine(13));
    // Delete clears the place: its player is missing again.
    clickCell(s, 0, 1);
    s.form.entryFieldKey(u"Edit3"_s, 46);
    QCOMPARE(s.form.control("MissingCount").text, countLine(14));
    // A refused entry changes nothing.
    enter(s, u"x"_s, u"0"_s, u"30"_s);
    QCOMPARE(s.form.control("MissingCount").text, countLine(14));
    // Group B counts its own players; back on A the entries are still there.
    s.form.groupTab(2);
    QCOMPARE(s.form.control("MissingCount").text, countLine(15));
    s.form.groupTab(1);
    QCOMPARE(s.form.control("MissingCount").text, countLine(14));
    // Clearing the group's scores from the menu counts everyone again.
    s.platform.answer(IdYes);
    s.form.A1Click();
    QCOMPARE(s.form.control("MissingCount").text, countLine(15));
}

void MissingEntriesScreenTest::theListMatchesTheRecords()
{
    Scenario s;
    onScoreEntry(s, 2, 4, 6, 2);
    QCOMPARE(listShown(s), missingByRecords(s, 2, 4, 6));
    for (const auto &[row, slot] : {std::pair{0, 0}, std::pair{2, 3}, std::pair{3, 5}}) {
        clickCell(s, row, slot);
        enter(s, u"1"_s, u"1"_s, u"30"_s);
        const QStringList expected = missingByRecords(s, 2, 4, 6);
        QCOMPARE(listShown(s), expected);
        QCOMPARE(s.form.control("MissingCount").text, countLine(static_cast<int>(expected.size())));
    }
    QCOMPARE(s.platform.listsShown.back().at(0), u"未入力の確認"_s);
    QCOMPARE(s.platform.listsShown.back().at(1),
             u"B グループ　未入力の選手 21名（選ぶとその選手の欄に移ります）"_s);
    QVERIFY(!listShown(s).contains(u"3組4番　2-16（班2）"_s));
    QVERIFY(listShown(s).contains(u"3組5番　2-17（班2）"_s));
    QVERIFY(s.platform.boxes.empty());
}

void MissingEntriesScreenTest::aClickPlacesTheCursor()
{
    Scenario s;
    onScoreEntry(s, 1, 3, 5, 1);
    enter(s, u"1"_s, u"0"_s, u"30"_s); // 1組1番
    QVERIFY(cursorShownAt(s, 0, 1));
    s.form.typeInto("Edit3", u"9"_s);
    // The list's 8th line is 2組4番: the cursor goes there, the typed text is dropped.
    s.platform.listAnswers.push_back(7);
    const QStringList list = listShown(s);
    QCOMPARE(list.at(7), u"2組4番　1-9（班1）"_s);
    QCOMPARE(s.form.EntryRow, 1);
    QCOMPARE(s.form.EntrySlot, 3);
    QVERIFY(cursorShownAt(s, 1, 3));
    QVERIFY(!cursorShownAt(s, 0, 1));
    QCOMPARE(s.form.control("Edit3").text, QString());
    QCOMPARE(s.form.FocusRequest, u"Edit3"_s);
    // The next entry is recorded for that player.
    enter(s, u"0"_s, u"2"_s, u"28"_s);
    QCOMPARE(s.form.ScoreSlots[0][1][3].Entries, u"1"_s);
    QCOMPARE(s.form.ScoreSlots[0][1][3].Total, u"28"_s);
    QCOMPARE(s.form.control("MissingCount").text, countLine(13));
    // Closing the list without a choice leaves the cursor.
    listShown(s);
    QVERIFY(cursorShownAt(s, 1, 4));
    QCOMPARE(s.form.EntrySlot, 4);
}

void MissingEntriesScreenTest::everyoneEntered()
{
    Scenario s;
    onScoreEntry(s, 1, 1, 4, 1);
    for (int k = 0; k < 4; ++k) enter(s, u"0"_s, u"0"_s, u"30"_s);
    QCOMPARE(s.form.control("MissingCount").text, countLine(0));
    s.form.MissingListClick();
    QVERIFY(s.platform.listsShown.empty());
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.front(), u"A グループの選手は全員入力済みです"_s, u"未入力の確認"_s,
                 MsgIcon::Information, MsgButtons::Ok);
}

void MissingEntriesScreenTest::onlyOnTheScoreEntryScreen()
{
    Scenario s;
    storeCombination(s, 1, 2, 5);
    QVERIFY(!s.form.control("MissingCount").visible);
    QVERIFY(!s.form.control("MissingList").visible);
    // The tab before a group is chosen: no group, no count.
    s.form.Label54Click();
    QVERIFY(s.form.control("MissingList").visible);
    QCOMPARE(s.form.control("MissingCount").text, QString());
    QVERIFY(!s.form.control("MissingList").enabled);
    s.form.MissingListClick();
    QVERIFY(s.platform.listsShown.empty());
    s.form.groupTab(1);
    QCOMPARE(s.form.control("MissingCount").text, countLine(10));
    // Other screens hide the line and the button; the command does nothing there.
    for (auto tab : {&TMainForm::Label42Click, &TMainForm::Label64Click, &TMainForm::Label40Click}) {
        if (tab == &TMainForm::Label40Click) s.platform.answer(IdYes); // asked before the combination goes
        (s.form.*tab)();
        QVERIFY(!s.form.control("MissingCount").visible);
        QVERIFY(!s.form.control("MissingList").visible);
        s.form.MissingListClick();
    }
    QVERIFY(s.platform.listsShown.empty());
    QCOMPARE(s.platform.boxes.size(), std::size_t(1));
}

QTEST_APPLESS_MAIN(MissingEntriesScreenTest)
#include "tst_missingentriesscreen.moc"
