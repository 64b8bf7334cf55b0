// The 得点入力 screen: the tab and its refusal, the cells of a group, the entry cursor,
// the keys of the three entry fields, recording with running sums, the full row, the
// warning for places without a player, and the Delete clear.
#include "TableSteps.h"

#include "scoring/ScoreEntry.h"
#include "support/PageCanvas.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace tablesteps;

namespace sheet = tables::sheet;

namespace {
const QString kWarning = u"出場者が無い枠は入力できません。組が一杯の時は行を変えて下さい"_s;
const sheet::Scale kScale = sheet::GridScreen;

// Where the screen writes the text of cell (row 0..11, slot 0..7), from the table's units.
QPoint cellTextAt(int row, int slot, bool eightFrame = false)
{
    const int w = kScale.X(eightFrame ? 131 : 175);
    const int x0 = kScale.offX(kScale.X(34), 75);
    const int h = kScale.Y(53);
    return QPoint(kScale.offX(x0 + w * slot, 40), kScale.offY((row + 2) * h, 28));
}
QPoint cursorAt(int row, int slot, bool eightFrame = false)
{
    const int w = kScale.X(eightFrame ? 131 : 175);
    const int x0 = kScale.offX(kScale.X(34), 75);
    const int h = kScale.Y(53);
    return QPoint(kScale.offX(x0 + w * slot, 23), kScale.offY((row + 2) * h, 28));
}

// A click in the middle of cell (row, slot) of the score-entry table.
void clickCell(Scenario &s, int row, int slot)
{
    const TMainForm &f = s.form;
    s.form.Image28MouseDown(f.GridLeft + f.GridColumnWidth * slot + f.GridColumnWidth / 2,
                            f.GridTop + f.GridRowH * row + f.GridRowH / 2);
}

// One entry typed with the keyboard: １打 Enter ２打 Enter 合計 Enter.
void enter(Scenario &s, const QString &one, const QString &two, const QString &total)
{
    s.form.typeInto("Edit3", one);
    s.form.entryFieldKey(u"Edit3"_s, 13);
    s.form.typeInto("Edit4", two);
    s.form.pressEnter(u"Edit4"_s);
    s.form.typeInto("Edit5", total);
    s.form.pressEnter(u"Edit5"_s);
}

// The score-entry screen of group g of a stored combination.
void onScoreEntry(Scenario &s, int groups, int parties, int size, int g)
{
    storeCombination(s, groups, parties, size);
    s.form.TokutenClr(5);
    s.form.Label54Click();
    s.form.groupTab(g);
}

QString cellOf(Scenario &s, int row, int slot, bool eightFrame = false)
{
    const QPoint at = cellTextAt(row, slot, eightFrame);
    return s.platform.canvas("Image28").textAt(at.x(), at.y());
}

bool cursorShownAt(Scenario &s, int row, int slot, bool eightFrame = false)
{
    const QPoint at = cursorAt(row, slot, eightFrame);
    const DrawnText *t = s.platform.canvas("Image28").drawnAt(at.x(), at.y());
    return t && t->text == u"⇒"_s && t->colour == colours::Red;
}

const ScoreSlot kCleared{u"#"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s};
} // namespace

class ScoreEntryScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void tabShowsTheScreen();
    void tabRefusedWhileCombining();
    void cellsOfAGroup();
    void cursorStartsOnPartyOneSlotOne();
    void twoEntriesAddUp();
    void clickPlacesTheCursor();
    void clicksOutsideTheCellsAreIgnored_data();
    void clicksOutsideTheCellsAreIgnored();
    void clickNearACellsEdgePicksThatCell_data();
    void clickNearACellsEdgePicksThatCell();
    void fullRow_data();
    void fullRow();
    void rowEndsAtItsLastPlayer_data();
    void rowEndsAtItsLastPlayer();
    void aPlayerWhoLeftThePartyTakesNoEntry();
    void deleteClearsTheSlotOnce();
    void deleteOnAnEmptyPlaceWarns();
    void entriesThatAreNotWholeNumbers_data();
    void entriesThatAreNotWholeNumbers();
    void impossibleEntriesAskFirst_data();
    void impossibleEntriesAskFirst();
    void emptyTotalIsIgnored();
    void label55Records();
    void clickIntoAFieldEmptiesIt();
    void startUpRecordsCountAsZeros();
    void sampleScoresAreDrawn();
    void scoreEntrySheetOnPaper();
};

void ScoreEntryScreenTest::tabShowsTheScreen()
{
    Scenario s;
    storeCombination(s, 2, 3, 4);
    s.form.Label64Click();
    s.form.Label45Click();
    s.form.Label54Click();
    QCOMPARE(s.form.Screen, screen::GridTable);
    QCOMPARE(s.form.TableMode, tablekind::ScoreEntry);
    QCOMPARE(s.form.TableKind, tablekind::ScoreEntry);
    QCOMPARE(s.form.CurGroup, curgroup::NotChosen);
    QCOMPARE(s.form.CurGroupText, QString());
    QCOMPARE(s.form.ScaleX, 0.82);
    QCOMPARE(s.form.ScaleY, 0.79);
    QCOMPARE(s.form.control("Label54").colour, colours::Yellow);
    for (const char *tab : {"Label40", "Label42", "Label64"})
        QCOMPARE(s.form.control(tab).colour, colours::ButtonFace);
    for (const char *tab : {"Label44", "Label45", "Label46", "Label47"})
        QCOMPARE(s.form.control(tab).colour, colours::Cream);
    for (const char *shown : {"Panel8", "Edit3", "Edit4", "Edit5", "Label2", "Label55", "Label57", "Label58",
                              "Label59", "Label74", "Image28"})
        QVERIFY2(s.form.control(shown).visible, shown);
    for (const char *hidden :
         {"Panel1",  "Panel2",     "Panel3",  "Panel4",    "Panel5",    "Panel9",  "Panel10", "GroupBox1",
          "Label75", "Label76",    "Label77", "Edit19",    "Label7",    "Button2", "Button7", "Button9",
          "Label1",  "ScrollBox2", "UpDown1", "CheckBox1", "CheckBox3", "Image29", "Image11", "Label11"})
        QVERIFY2(!s.form.control(hidden).visible, hidden);
    QCOMPARE(s.form.control("Label2").text, u"１組１番の選手から始めて下さい。"_s);
    QVERIFY(textsOf(s.platform.canvas("Image28")).contains(u"なかよし会親睦大会 得点入力表"_s));
}

void ScoreEntryScreenTest::tabRefusedWhileCombining()
{
    Scenario s;
    storeCombination(s, 1, 2, 4);
    s.form.Label64Click();
    s.form.Label44Click();
    s.form.Combining = 1;
    const auto screen = s.form.Screen;
    const curgroup group = s.form.CurGroup;
    const QColor tabA = s.form.control("Label44").colour;
    s.form.Label54Click();
    QCOMPARE(s.platform.boxes.size(), std::size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), u"「完了」又は「やり直し」を押して下さい"_s, u"組み合わせ中です"_s,
                 MsgIcon::Information, MsgButtons::Ok);
    QCOMPARE(s.form.Screen, screen);
    QCOMPARE(s.form.CurGroup, group);
    QCOMPARE(s.form.control("Label44").colour, tabA);
    QCOMPARE(s.form.control("Label54").colour, colours::ButtonFace);
}

void ScoreEntryScreenTest::cellsOfAGroup()
{
    Scenario s;
    storeCombination(s, 3, 2, 4);
    s.form.TokutenClr(5);
    s.form.ScoreSlots[0][1][2] = ScoreSlot{u"3,3,78"_s, u"3"_s, u"3"_s, u"78"_s, u"2"_s};
    s.form.ScoreSlots[2][0][0] = ScoreSlot{u"1,2,30"_s, u"1"_s, u"2"_s, u"30"_s, u"1"_s};
    s.form.Label54Click();
    // No group chosen: the grid, no cells.
    QCOMPARE(cellOf(s, 0, 0), QString());
    s.form.Label44Click();
    QCOMPARE(cellOf(s, 1, 2), u"(2)3,3,78"_s);
    QCOMPARE(cellOf(s, 0, 0), u"(0)#"_s);
    QCOMPARE(cellOf(s, 11, 5), u"(0)#"_s); // a place without a player is drawn too
    QCOMPARE(s.platform.canvas("Image28").drawnAt(cellTextAt(1, 2).x(), cellTextAt(1, 2).y())->fontHeight,
             kScale.font(18));
    s.form.Label46Click(); // group C: a blank after the parenthesis
    QCOMPARE(cellOf(s, 0, 0), u"(1) 1,2,30"_s);
    QCOMPARE(cellOf(s, 0, 1), u"(0) #"_s);
    QVERIFY(s.form.RankList.isEmpty());
}

void ScoreEntryScreenTest::cursorStartsOnPartyOneSlotOne()
{
    Scenario s;
    onScoreEntry(s, 1, 2, 4, 1);
    QVERIFY(cursorShownAt(s, 0, 0));
    enter(s, u"2"_s, u"3"_s, u"40"_s);
    QCOMPARE(s.form.ScoreSlots[0][0][0].Summary, u"2,3,40"_s);
    QVERIFY(cursorShownAt(s, 0, 1));
    QVERIFY(!cursorShownAt(s, 0, 0));
}

void ScoreEntryScreenTest::twoEntriesAddUp()
{
    Scenario s;
    onScoreEntry(s, 1, 3, 4, 1);
    clickCell(s, 1, 2);
    enter(s, u"2"_s, u"3"_s, u"40"_s);
    QCOMPARE(s.form.control("Label55").text, u"2,3,40"_s);
    clickCell(s, 1, 2);
    enter(s, u"1"_s, u"0"_s, u"38"_s);
    QCOMPARE(s.form.ScoreSlots[0][1][2], (ScoreSlot{u"3,3,78"_s, u"3"_s, u"3"_s, u"78"_s, u"2"_s}));
    QCOMPARE(cellOf(s, 1, 2), u"(2)3,3,78"_s);
    QCOMPARE(s.form.control("Label55").text, u"1,0,38"_s);
    // The fields are emptied and the focus is back in １打.
    for (const char *f : {"Edit3", "Edit4", "Edit5"}) QCOMPARE(s.form.control(f).text, QString());
    QCOMPARE(s.form.FocusRequest, u"Edit3"_s);
    QCOMPARE(s.form.EntrySlot, 3);
    QVERIFY(cursorShownAt(s, 1, 3));
    // Nothing else changed.
    int entered = 0;
    for (const auto &party : s.form.ScoreSlots[0])
        for (const ScoreSlot &slot : party) entered += slot.Entries != u"0"_s;
    QCOMPARE(entered, 1);
    QVERIFY(s.platform.boxes.empty());
}

void ScoreEntryScreenTest::clickPlacesTheCursor()
{
    Scenario s;
    onScoreEntry(s, 1, 3, 4, 1);
    s.form.typeInto("Edit3", u"5"_s);
    s.form.typeInto("Edit5", u"9"_s);
    s.form.RowFull = 1;
    clickCell(s, 2, 3);
    QCOMPARE(s.form.EntryRow, 2);
    QCOMPARE(s.form.EntrySlot, 3);
    QCOMPARE(s.form.RowFull, 0);
    QVERIFY(cursorShownAt(s, 2, 3));
    QVERIFY(!cursorShownAt(s, 0, 0));
    QCOMPARE(s.form.control("Edit3").text, QString());
    QCOMPARE(s.form.control("Edit5").text, QString());
    QCOMPARE(s.form.FocusRequest, u"Edit3"_s);
    // Enter moves from １打 to ２打 to 合計.
    s.form.typeInto("Edit4", u"7"_s);
    s.form.pressEnter(u"Edit3"_s);
    QCOMPARE(s.form.FocusRequest, u"Edit4"_s);
    QCOMPARE(s.form.control("Edit4").text, QString());
    s.form.typeInto("Edit5", u"7"_s);
    s.form.pressEnter(u"Edit4"_s);
    QCOMPARE(s.form.FocusRequest, u"Edit5"_s);
    QCOMPARE(s.form.control("Edit5").text, QString());
}

void ScoreEntryScreenTest::clicksOutsideTheCellsAreIgnored_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    // Offsets from the left edge of the member columns and the top of party 1's row.
    QTest::newRow("in the party-number column") << -1 << 20;
    QTest::newRow("in the heading row") << 20 << -1;
    QTest::newRow("below the table") << 20 << 12 * 41;
    QTest::newRow("right of the table") << 6 * 143 << 20;
}

void ScoreEntryScreenTest::clicksOutsideTheCellsAreIgnored()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    Scenario s;
    onScoreEntry(s, 1, 3, 4, 1);
    clickCell(s, 1, 1);
    s.form.Image28MouseDown(s.form.GridLeft + dx, s.form.GridTop + dy);
    QCOMPARE(s.form.EntryRow, 1);
    QCOMPARE(s.form.EntrySlot, 1);
    QVERIFY(cursorShownAt(s, 1, 1));
}

void ScoreEntryScreenTest::clickNearACellsEdgePicksThatCell_data()
{
    QTest::addColumn<int>("x"); // pixels from the table's left edge
    QTest::addColumn<int>("y"); // pixels from the table's top
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("slot");
    // The grid on the screen: member columns from x = 103, 143 wide; party rows from
    // y = 98, 41 high.
    QTest::newRow("first pixel of party 1, slot 1") << 103 << 98 << 0 << 0;
    QTest::newRow("last pixel of slot 1") << 245 << 120 << 0 << 0;
    QTest::newRow("first pixel of slot 2") << 246 << 120 << 0 << 1;
    QTest::newRow("upper edge of party 2") << 150 << 139 << 1 << 0;
    QTest::newRow("lower edge of party 1") << 150 << 138 << 0 << 0;
    QTest::newRow("last cell") << 960 << 589 << 11 << 5;
}

void ScoreEntryScreenTest::clickNearACellsEdgePicksThatCell()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, row);
    QFETCH(int, slot);
    Scenario s;
    onScoreEntry(s, 1, 12, 6, 1);
    clickCell(s, 5, 3);
    s.form.Image28MouseDown(x, y);
    QCOMPARE(s.form.EntryRow, row);
    QCOMPARE(s.form.EntrySlot, slot);
    QVERIFY(cursorShownAt(s, row, slot));
}

void ScoreEntryScreenTest::fullRow_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("firstSlot");
    QTest::addColumn<int>("lastSlot");
    QTest::newRow("group A, slot 8 fills the row") << 1 << 7 << 7;
    QTest::newRow("group B, slots 7 and 8") << 2 << 6 << 7;
    QTest::newRow("group C stops after slot 6") << 3 << 4 << 5;
    QTest::newRow("group D stops after slot 6") << 4 << 5 << 5;
}

void ScoreEntryScreenTest::fullRow()
{
    QFETCH(int, group);
    QFETCH(int, firstSlot);
    QFETCH(int, lastSlot);
    Scenario s;
    s.form.N29Click(); // ８人枠
    onScoreEntry(s, 4, 2, 8, group);
    clickCell(s, 0, firstSlot);
    for (int slot = firstSlot; slot <= lastSlot; ++slot) enter(s, u"1"_s, u"1"_s, u"30"_s);
    QCOMPARE(s.form.RowFull, 1);
    QVERIFY(s.platform.boxes.empty());
    // The next entry warns until another cell is clicked; nothing is recorded.
    const auto before = s.form.ScoreSlots;
    enter(s, u"2"_s, u"2"_s, u"31"_s);
    QCOMPARE(s.platform.boxes.size(), std::size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), kWarning, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
    QVERIFY(s.form.ScoreSlots == before);
    enter(s, u"2"_s, u"2"_s, u"31"_s);
    QCOMPARE(s.platform.boxes.size(), std::size_t(2));
    // Slot 7 (and 8) are reached by a click.
    clickCell(s, 0, 6);
    enter(s, u"2"_s, u"2"_s, u"31"_s);
    QCOMPARE(s.platform.boxes.size(), std::size_t(2));
    QCOMPARE(s.form.ScoreSlots[group - 1][0][6].Summary,
             firstSlot <= 6 && lastSlot >= 6 ? u"3,3,61"_s : u"2,2,31"_s);
    QCOMPARE(cellOf(s, 0, 6, true), u"(%1)%2"_s.arg(s.form.ScoreSlots[group - 1][0][6].Entries,
                                                    s.form.ScoreSlots[group - 1][0][6].Summary));
}

void ScoreEntryScreenTest::rowEndsAtItsLastPlayer_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("a party of five") << 5;
    QTest::newRow("a party of six, the frame's last column") << 6;
}

void ScoreEntryScreenTest::rowEndsAtItsLastPlayer()
{
    QFETCH(int, size);
    Scenario s;
    onScoreEntry(s, 1, 2, size, 1);
    clickCell(s, 1, 0);
    for (int k = 0; k < size; ++k) enter(s, u"1"_s, u"2"_s, QString::number(30 + k));
    QCOMPARE(s.form.RowFull, 1);
    QVERIFY(s.platform.boxes.empty());
    // No mark after the last player, nor off the table's right edge.
    const int right = s.form.GridLeft + s.form.GridColumnWidth * s.form.GridColumns;
    for (const DrawnText &t : s.platform.canvas("Image28").visibleTexts())
        QVERIFY(t.text != u"⇒"_s || t.colour != colours::Red || t.x < right);
    QVERIFY(!cursorShownAt(s, 1, size));
    enter(s, u"1"_s, u"2"_s, u"40"_s);
    QCOMPARE_BOX(s.platform.boxes.back(), kWarning, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
    if (size < 6) QCOMPARE(s.form.ScoreSlots[0][1][size], kCleared);
    QCOMPARE(s.form.ScoreSlots[0][1][size - 1].Total, QString::number(29 + size));
}

void ScoreEntryScreenTest::aPlayerWhoLeftThePartyTakesNoEntry()
{
    Scenario s;
    onScoreEntry(s, 1, 2, 6, 1);
    QCOMPARE(s.form.KumiSlotText[0][0][5], storedName(1, 1, 5, 6) + u",班1"_s);
    // Party 1 shrinks to five: slot 6 keeps the old text but holds nobody now.
    s.form.KumiLines[0][0] = u"6,0,1,2,3,4"_s;
    s.form.groupTab(1);
    QVERIFY(!s.form.KumiSlotText[0][0][5].isEmpty());
    clickCell(s, 0, 5);
    enter(s, u"1"_s, u"1"_s, u"30"_s);
    QCOMPARE_BOX(s.platform.boxes.back(), kWarning, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
    QCOMPARE(s.form.ScoreSlots[0][0][5], kCleared);
}

void ScoreEntryScreenTest::deleteClearsTheSlotOnce()
{
    Scenario s;
    onScoreEntry(s, 1, 2, 4, 1);
    clickCell(s, 0, 1);
    enter(s, u"2"_s, u"3"_s, u"40"_s);
    clickCell(s, 0, 1);
    s.form.control("Label55").text = u"2,3,40"_s;
    s.form.entryFieldKey(u"Edit3"_s, 46); // Delete in １打
    QCOMPARE(s.form.ScoreSlots[0][0][1], kCleared);
    QCOMPARE(cellOf(s, 0, 1), QString()); // the cell's text is gone at once
    QCOMPARE(s.form.EntrySlot, 1);        // the cursor stays
    QCOMPARE(s.form.control("Label55").text, QString());
    QCOMPARE(s.form.FocusRequest, u"Edit3"_s);
    // The clear is used once: figures reaching the fields without a key in １打, then a
    // total typed straight into 合計 with Enter, record as usual.
    s.form.control("Edit3").text = u"1"_s;
    s.form.control("Edit4").text = u"0"_s;
    s.form.typeInto("Edit5", u"38"_s);
    s.form.pressEnter(u"Edit5"_s);
    QCOMPARE(s.form.ScoreSlots[0][0][1], (ScoreSlot{u"1,0,38"_s, u"1"_s, u"0"_s, u"38"_s, u"1"_s}));
    QCOMPARE(cellOf(s, 0, 1), u"(1)1,0,38"_s);
    // A total alone is not dropped silently: the empty １打 is named.
    clickCell(s, 0, 2);
    s.form.entryFieldKey(u"Edit3"_s, 46);
    s.form.typeInto("Edit5", u"38"_s);
    s.form.pressEnter(u"Edit5"_s);
    QCOMPARE_BOX(s.platform.boxes.back(), u"１打には数字を入力して下さい"_s, u"警告"_s, MsgIcon::Warning,
                 MsgButtons::Ok);
    QCOMPARE(s.form.ScoreSlots[0][0][2], kCleared);
    // After a redraw the cleared slot shows (0)#.
    s.form.Label44Click();
    QCOMPARE(cellOf(s, 0, 1), u"(1)1,0,38"_s);
    // In typed figures Delete edits them (the field deletes a character); the record stays.
    clickCell(s, 0, 1);
    s.form.typeInto("Edit3", u"12"_s);
    s.form.entryFieldKey(u"Edit3"_s, 46);
    QCOMPARE(s.form.ScoreSlots[0][0][1], (ScoreSlot{u"1,0,38"_s, u"1"_s, u"0"_s, u"38"_s, u"1"_s}));
    QCOMPARE(s.form.LastKeyCode, QString());
    QCOMPARE(s.form.control("Edit3").text, u"12"_s);
    QCOMPARE(cellOf(s, 0, 2), u"(0)#"_s);
}

void ScoreEntryScreenTest::deleteOnAnEmptyPlaceWarns()
{
    Scenario s;
    onScoreEntry(s, 1, 2, 4, 1);
    s.form.ScoreSlots[0][0][5] = ScoreSlot{u"1,1,1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s};
    clickCell(s, 0, 5);
    s.form.entryFieldKey(u"Edit3"_s, 46);
    QCOMPARE_BOX(s.platform.boxes.back(), kWarning, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
    QCOMPARE(s.form.ScoreSlots[0][0][5].Summary, u"1,1,1"_s);
    QVERIFY(s.form.LastKeyCode.isEmpty());
}

void ScoreEntryScreenTest::entriesThatAreNotWholeNumbers_data()
{
    QTest::addColumn<QString>("one");
    QTest::addColumn<QString>("two");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("message");
    QTest::newRow("１打 empty") << QString() << u"1"_s << u"30"_s << u"１打には数字を入力して下さい"_s;
    QTest::newRow("１打 letters") << u"a"_s << u"1"_s << u"30"_s << u"１打には数字を入力して下さい"_s;
    QTest::newRow("２打 empty") << u"1"_s << QString() << u"30"_s << u"２打には数字を入力して下さい"_s;
    QTest::newRow("２打 minus") << u"1"_s << u"-1"_s << u"30"_s << u"２打には数字を入力して下さい"_s;
    QTest::newRow("合計 fraction") << u"1"_s << u"1"_s << u"3.5"_s << u"合計には数字を入力して下さい"_s;
}

void ScoreEntryScreenTest::entriesThatAreNotWholeNumbers()
{
    QFETCH(QString, one);
    QFETCH(QString, two);
    QFETCH(QString, total);
    QFETCH(QString, message);
    Scenario s;
    onScoreEntry(s, 1, 2, 4, 1);
    s.form.ScoreSlots[0][0][0] = ScoreSlot{u"1,1,20"_s, u"1"_s, u"1"_s, u"20"_s, u"1"_s};
    const auto before = s.form.ScoreSlots;
    enter(s, one, two, total);
    QCOMPARE(s.platform.boxes.size(), std::size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), message, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
    QVERIFY(s.form.ScoreSlots == before);
    QCOMPARE(s.form.EntrySlot, 0);
    QCOMPARE(s.form.control("Edit5").text, total);       // the fields keep what was typed
    QCOMPARE(s.form.control("Label55").text, QString()); // 確定 shows recorded entries only
}

void ScoreEntryScreenTest::impossibleEntriesAskFirst_data()
{
    QTest::addColumn<QString>("holes"); // ホール数 as typed
    QTest::addColumn<QStringList>("entry");
    QTest::addColumn<QString>("asked"); // the figures the question names; empty: none asked
    QTest::newRow("more holes than the round")
        << u"10"_s << QStringList{u"9"_s, u"9"_s, u"10"_s} << u"１打9・２打9・合計10、10ホール"_s;
    QTest::newRow("too few strokes") << QString() << QStringList{u"0"_s, u"0"_s, u"29"_s}
                                     << u"１打0・２打0・合計29、10ホール"_s;
    QTest::newRow("above 11 counts 12, full width")
        << u"15"_s << QStringList{u"１３"_s, u"0"_s, u"13"_s} << u"１打13・２打0・合計13、12ホール"_s;
    QTest::newRow("fewest strokes") << u"8"_s << QStringList{u"4"_s, u"4"_s, u"12"_s} << QString();
}

void ScoreEntryScreenTest::impossibleEntriesAskFirst()
{
    QFETCH(QString, holes);
    QFETCH(QStringList, entry);
    QFETCH(QString, asked);
    for (const int answer : {IdNo, IdYes}) {
        Scenario s;
        onScoreEntry(s, 1, 2, 4, 1);
        s.form.control("Edit9").text = holes;
        s.platform.answer(answer);
        enter(s, entry[0], entry[1], entry[2]);
        QCOMPARE(s.platform.boxes.size(), std::size_t(asked.isEmpty() ? 0 : 1));
        if (!asked.isEmpty())
            QCOMPARE_BOX(s.platform.boxes.back(),
                         u"この得点はありえない値です（"_s + asked + u"）。このまま記録しますか"_s,
                         u"得点入力"_s, MsgIcon::Question, MsgButtons::YesNo);
        // いいえ keeps the figures for correction and the cursor where it was.
        const bool recorded = asked.isEmpty() || answer == IdYes;
        QCOMPARE(s.form.ScoreSlots[0][0][0].Entries, recorded ? u"1"_s : u"0"_s);
        QCOMPARE(s.form.control("Edit5").text, recorded ? QString() : entry[2]);
    }
}

void ScoreEntryScreenTest::emptyTotalIsIgnored()
{
    Scenario s;
    onScoreEntry(s, 1, 2, 4, 1);
    enter(s, u"1"_s, u"2"_s, QString());
    QVERIFY(s.platform.boxes.empty());
    QCOMPARE(s.form.ScoreSlots[0][0][0], kCleared);
    QCOMPARE(s.form.control("Label55").text, QString());
    QCOMPARE(s.form.control("Edit3").text, u"1"_s);
}

void ScoreEntryScreenTest::label55Records()
{
    Scenario s;
    onScoreEntry(s, 1, 2, 4, 1);
    s.form.typeInto("Edit3", u"3"_s);
    s.form.typeInto("Edit4", u"1"_s);
    s.form.typeInto("Edit5", u"27"_s);
    s.form.Label55Click();
    QCOMPARE(s.form.ScoreSlots[0][0][0].Summary, u"3,1,27"_s);
    // With no group chosen nothing happens.
    s.form.Label54Click();
    s.form.typeInto("Edit3", u"3"_s);
    s.form.typeInto("Edit4", u"1"_s);
    s.form.typeInto("Edit5", u"27"_s);
    s.form.Label55Click();
    QCOMPARE(s.form.ScoreSlots[0][0][1], kCleared);
    QVERIFY(s.platform.boxes.empty());
}

void ScoreEntryScreenTest::clickIntoAFieldEmptiesIt()
{
    Scenario s;
    onScoreEntry(s, 1, 2, 4, 1);
    for (const char *f : {"Edit3", "Edit4", "Edit5"}) {
        s.form.typeInto(f, u"12"_s);
        s.form.clickField(QString::fromLatin1(f));
        QCOMPARE(s.form.control(f).text, QString());
    }
}

void ScoreEntryScreenTest::startUpRecordsCountAsZeros()
{
    Scenario s;
    storeCombination(s, 1, 2, 4);
    s.form.Label54Click();
    s.form.Label44Click();
    QCOMPARE(cellOf(s, 0, 0), u"()"_s);
    enter(s, u"2"_s, u"1"_s, u"33"_s);
    QCOMPARE(s.form.ScoreSlots[0][0][0], (ScoreSlot{u"2,1,33"_s, u"2"_s, u"1"_s, u"33"_s, u"1"_s}));
}

void ScoreEntryScreenTest::sampleScoresAreDrawn()
{
    Scenario s;
    onScoreEntry(s, 1, 2, 4, 1);
    s.form.N28Click(); // 擬似得点読み出し
    QVERIFY(s.platform.boxes.empty());
    for (int row = 0; row < 2; ++row)
        for (int slot = 0; slot < 4; ++slot) {
            QCOMPARE(s.form.ScoreSlots[0][row][slot].Entries, u"1"_s);
            QCOMPARE(cellOf(s, row, slot), u"(1)"_s + s.form.ScoreSlots[0][row][slot].Summary);
        }
    QCOMPARE(cellOf(s, 0, 4), u"(0)#"_s);
    QCOMPARE(s.form.TableMode, tablekind::ScoreEntry);
}

void ScoreEntryScreenTest::scoreEntrySheetOnPaper()
{
    Scenario s;
    onScoreEntry(s, 1, 2, 4, 1);
    enter(s, u"2"_s, u"3"_s, u"40"_s);
    // The sheet drawn on a page at the printer's scale: grid, title and names, no scores.
    const sheet::Scale p = sheet::printerScale(600, 600);
    s.form.ScaleX = p.x;
    s.form.ScaleY = p.y;
    PageCanvas page(QSize(6500, 4700));
    s.form.Draw(page);
    QCOMPARE(page.textAt(p.X(560 - 108), p.Y(24 + 15)), u"なかよし会親睦大会 得点入力表"_s);
    const int rowTop = p.offY(p.Y(24), 50) + p.Y(53); // H + w
    QCOMPARE(page.textAt(p.offX(p.X(52), 83), p.offY(rowTop, 28)), storedName(1, 1, 0, 4));
    for (const DrawnText &t : page.visibleTexts()) QVERIFY2(!t.text.startsWith(u'('), qPrintable(t.text));
    QVERIFY(std::any_of(page.penLines.begin(), page.penLines.end(),
                        [](const PenLine &l) { return l.width == 11; }));
    // Printing from the screen itself prints nothing and leaves the screen as it was.
    s.form.redrawCurrentTable();
    QCOMPARE(s.form.ScaleX, 0.82);
    QCOMPARE(cellOf(s, 0, 0), u"(1)2,3,40"_s);
}

QTEST_APPLESS_MAIN(ScoreEntryScreenTest)
#include "tst_scoreentryscreen.moc"
