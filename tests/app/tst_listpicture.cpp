// The member list and the party panels as kept pictures: however often they are drawn
// again, they hold no more items than after drawing them once.
#include "support/Scenario.h"

using namespace Qt::StringLiterals;

namespace {
QStringList rosterOf(int members)
{
    QStringList lines;
    for (int i = 0; i < members; ++i)
        lines << u"会員%1,緑会%2,%3,昭和,%4,5,1,0,%5,%6,%7,,"_s.arg(i + 1)
                     .arg(i % 7)
                     .arg(i % 2 ? u"女"_s : u"男"_s)
                     .arg(20 + i % 40)
                     .arg(i % 4 ? u"on"_s : u"off"_s)
                     .arg(i % 5 == 1 ? u"on"_s : u"off"_s)
                     .arg(i % 3 == 2 ? u"on"_s : u"off"_s);
    return lines;
}

// One of the ways the program draws the list again, in turn.
void redraw(Scenario &s, int k)
{
    TMainForm &f = s.form;
    switch (k % 6) {
    case 0: f.Label42Click(); break; // the 組み合わせ tab: blanked and drawn anew
    case 1:                          // 出場設定 then 設定取消 on member 1 (unmarked)
        f.EditMode = editmode::Play;
        f.Image1MouseDown(40, 10);
        f.EditMode = editmode::Unmark;
        f.Image1MouseDown(40, 10);
        break;
    case 2:                                    // the marks drawn again: by rows, or blanked
        if (k % 12 == 8) f.ListRowsDrawn = -1; // and drawn over the whole list
        f.HalMark(listmarks::WithPasteMarks);
        break;
    case 3: // every row drawn over what stands
        f.ListRowsDrawn = -1;
        f.DspItiran();
        break;
    case 4: f.DspKumi(); break; // the party panels drawn over themselves
    case 5: f.Hyou(); break;    // the rules, row numbers and headings
    }
}

int items(Scenario &s)
{
    int n = 0;
    for (const char *name : {"Image1", "Image2", "Image11", "Image12"})
        n += s.platform.canvas(name).itemCount();
    return n;
}
} // namespace

class ListPictureTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tenThousandRedrawsHoldNoMoreItems();
    void onlyChangedRowsAreDrawn();
};

void ListPictureTest::tenThousandRedrawsHoldNoMoreItems()
{
    Scenario s;
    s.loadRoster(rosterOf(40));
    s.form.KumiList[0] = QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s};
    s.form.KumiList[1] = QStringList{u"8"_s, u"9"_s, u"10"_s};
    for (int k = 0; k < 6; ++k) redraw(s, k);
    const int once = items(s);
    const auto visible = s.platform.canvas("Image1").visibleTexts().size();
    QVERIFY(once > 40 * 3 + 300);
    for (int k = 6; k < 10'000; ++k) redraw(s, k);
    for (int k = 0; k < 6; ++k) redraw(s, k); // the same end as after one round
    QVERIFY2(items(s) <= once,
             qPrintable(u"%1 items after one round, %2 after 10,000 redraws"_s.arg(once).arg(items(s))));
    QCOMPARE(s.platform.canvas("Image1").visibleTexts().size(), visible);
}

void ListPictureTest::onlyChangedRowsAreDrawn()
{
    Scenario s;
    s.loadRoster(rosterOf(300));
    RecordingCanvas &list = s.platform.canvas("Image1");
    s.form.Label75Click(); // 出場設定
    const int fillsBefore = list.fillCount();
    const quint64 before = list.revision();
    list.takeChangedArea();
    s.form.Image1MouseDown(40, 4 * 28 + 10); // member 5 (not playing) now plays
    QCOMPARE(list.textAt(376, 4 * 28 + 7), u"出場"_s);
    QVERIFY(list.revision() > before);
    // Only row 4 was blanked, where it held something (team, name, sex), and drawn again;
    // nothing outside the row changed.
    QCOMPARE(list.fillCount() - fillsBefore, 3);
    const QRect changed = list.takeChangedArea();
    QVERIFY2(changed.top() >= 4 * 28 - 2 && changed.bottom() <= 5 * 28 + 2,
             qPrintable(u"changed %1..%2"_s.arg(changed.top()).arg(changed.bottom())));

    // A member registered on the メンバー登録 screen draws its own row only.
    s.form.Label40Click();
    s.form.Label84Click(); // 追加登録 (the roster has 300 members: refused)
    s.form.MemberLines.removeLast();
    s.form.SavedMemberLines = s.form.MemberLines;
    s.form.Label84Click(); // off
    s.form.Label84Click(); // on, with 299 members
    list.takeChangedArea();
    s.form.typeInto("Edit1", u"山田花子"_s);
    s.form.typeInto("Edit2", u"緑会"_s);
    for (auto [box, entry] :
         {std::pair{"ComboBox1", 1}, {"ComboBox2", 2}, {"ComboBox3", 29}, {"ComboBox4", 4}, {"ComboBox5", 0}})
        s.form.chooseItem(box, entry);
    s.form.Button6Click(); // 「実行」
    QCOMPARE(s.form.MemberCount(), 300);
    QCOMPARE(list.textAt(192, 299 * 28 + 7), u"山田花子"_s);
    const QRect registered = list.takeChangedArea();
    QVERIFY2(registered.top() >= 299 * 28 - 2, qPrintable(u"changed from %1"_s.arg(registered.top())));
}

QTEST_APPLESS_MAIN(ListPictureTest)
#include "tst_listpicture.moc"
