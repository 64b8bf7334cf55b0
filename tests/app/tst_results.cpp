// 成 績 表作成: the ranking of every place with entries drawn in both forms, the page check,
// the two ranking options, and the printed result table.
#include "TableSteps.h"

#include "scoring/Ranking.h"
#include "tables/MeetingTables.h"

using namespace Qt::StringLiterals;
using namespace tablesteps;

namespace sheet = tables::sheet;

namespace {
ScoreSlot played(int one, int two, int total)
{
    return ScoreSlot{u"%1,%2,%3"_s.arg(one).arg(two).arg(total), QString::number(one), QString::number(two),
                     QString::number(total), u"1"_s};
}

// A started program with every record cleared and the places given.
struct Meeting {
    Scenario s;
    Meeting() { s.form.TokutenClr(5); }
    void put(int g, int p, int slot, ScoreSlot score, const QString &name, const QString &team = u"緑会"_s)
    {
        s.form.ScoreSlots[g][p][slot] = score;
        s.form.KumiSlotText[g][p][slot] = name + u',' + team;
    }
    void landscape() { s.form.N32Click(); }
    void show()
    {
        s.form.Label64Click();
        s.form.Label60Click();
    }
    QStringList names() const
    {
        QStringList order;
        for (const QString &record : s.form.RankList) order << scoring::splitRecord(record).name;
        return order;
    }
};

// Where the landscape page writes entry row j of block k, and its rank number.
QPoint landscapeName(int k, int j)
{
    const sheet::Scale s = sheet::LandscapeScreen;
    return QPoint(s.X(55 + 281 * k + 33), s.Y(103 + 27 * j));
}
QPoint landscapeRank(int k, int j)
{
    const sheet::Scale s = sheet::LandscapeScreen;
    return QPoint(s.X(55 + 281 * k) + 4, s.Y(70 + 27 * (j + 1) + 7));
}
} // namespace

class ResultsTest : public QObject
{
    Q_OBJECT
private slots:
    void portraitTable();
    void landscapeTable();
    void ranking_data();
    void ranking();
    void optionsRankAgainAtOnce();
    void namesCutOnlyInTheLandscapeForm();
    void noScoresAtAll_data();
    void noScoresAtAll();
    void placedPlayersWithoutEntriesFollowTheRanked_data() { noScoresAtAll_data(); }
    void placedPlayersWithoutEntriesFollowTheRanked();
    void pageCheckReachesTheResultTable();
    void secondLandscapePage();
    void aFigureThatIsNotANumber();
    void printedResultTable_data();
    void printedResultTable();
    void scoreEntryScreenEmptiesTheRanking();
    void everyPlacedPlayerWhateverWasVisited_data();
    void everyPlacedPlayerWhateverWasVisited();
};

void ResultsTest::portraitTable()
{
    Meeting m;
    m.put(0, 0, 0, played(2, 3, 40), u"山田"_s, u"緑会"_s);
    m.put(1, 0, 0, played(1, 0, 38), u"佐藤"_s, u"星の会"_s);
    m.show();
    TMainForm &f = m.s.form;
    QCOMPARE(f.TableKind, tablekind::ResultPortrait);
    QCOMPARE(f.TableMode, tablekind::ResultPortrait);
    QCOMPARE(f.Screen, screen::PagedTable);
    QCOMPARE(f.ScaleX, 1.0);
    QCOMPARE(f.PageMax, 8);
    for (const char *shown :
         {"Label7", "Edit19", "UpDown1", "Button7", "CheckBox1", "CheckBox3", "ScrollBox2", "Image4"})
        QVERIFY2(f.control(shown).visible, shown);
    QVERIFY(!f.control("Image29").visible);
    QVERIFY(f.control("CheckBox1").checked);
    QVERIFY(f.control("CheckBox3").checked);
    RecordingCanvas &c = m.s.platform.canvas("Image4");
    QCOMPARE(c.textAt(460 - 6 * 18, 50), u"なかよし会親睦大会 成績表"_s);
    QCOMPARE(c.textAt(130, 81), u"順  位"_s);
    QCOMPARE(c.textAt(703, 81), u"合  計"_s);
    QCOMPARE(c.textAt(700, 53), u"P. 1"_s);
    QCOMPARE(c.textAt(393, 107), u"佐藤"_s);
    QCOMPARE(c.textAt(210, 107), u"星の会"_s);
    QCOMPARE(c.textAt(557, 107), u"1"_s);
    QCOMPARE(c.textAt(637, 107), u"0"_s);
    QCOMPARE(c.textAt(715, 107), u"38"_s);
    QCOMPARE(c.textAt(393, 133), u"山田"_s);
    QCOMPARE(c.textAt(715, 133), u"40"_s);
    QCOMPARE(c.textAt(142, 108), u"1"_s);
    QCOMPARE(c.textAt(142, 108 + 39 * 26), u"40"_s);
    QCOMPARE(c.textAt(393, 159), QString());
    QCOMPARE(c.drawnAt(393, 107)->fontHeight, 16);
}

void ResultsTest::landscapeTable()
{
    Meeting m;
    m.landscape();
    m.put(0, 0, 0, played(2, 3, 40), u"山田"_s);
    m.show();
    TMainForm &f = m.s.form;
    QCOMPARE(f.TableKind, tablekind::ResultLandscape);
    QCOMPARE(f.TableMode, tablekind::ResultLandscape);
    QCOMPARE(f.PageMax, 3);
    QVERIFY(f.control("Image29").visible);
    QVERIFY(!f.control("ScrollBox2").visible);
    RecordingCanvas &c = m.s.platform.canvas("Image29");
    const sheet::Scale s = sheet::LandscapeScreen;
    QCOMPARE(c.textAt(s.X(580 - 108), s.Y(38)), u"なかよし会親睦大会 成績表"_s);
    QCOMPARE(c.textAt(s.X(155), s.Y(43)), u"得点欄の表示（1打数/２打数/合計)"_s);
    QCOMPARE(c.textAt(s.X(1103), s.Y(43)), u"ページ 1"_s);
    QCOMPARE(c.textAt(s.X(55) + 2, s.Y(77)), u"順位"_s);
    QCOMPARE(c.textAt(s.X(55 + 281 * 3 + 220), s.Y(77)), u"得 点"_s);
    QCOMPARE(c.textAt(landscapeName(0, 0).x(), landscapeName(0, 0).y()), u"山田"_s);
    QCOMPARE(c.textAt(s.X(55 + 130), s.Y(103)), u"緑会"_s);
    QCOMPARE(c.textAt(s.X(55 + 205), s.Y(103)), u"2"_s);
    QCOMPARE(c.textAt(s.X(55 + 228), s.Y(103)), u"3"_s);
    QCOMPARE(c.textAt(s.X(55 + 249), s.Y(103)), u"40"_s);
    QCOMPARE(c.textAt(landscapeRank(0, 0).x(), landscapeRank(0, 0).y()), u"1"_s);
    QCOMPARE(c.textAt(landscapeRank(3, 24).x(), landscapeRank(3, 24).y()), u"100"_s);
    QCOMPARE(c.drawnAt(landscapeRank(1, 0).x(), landscapeRank(1, 0).y())->fontHeight, s.font(14));
}

void ResultsTest::ranking_data()
{
    QTest::addColumn<bool>("oneStrokes");
    QTest::addColumn<QList<ScoreSlot>>("scores"); // for 甲, 乙 in places 1 and 2 of party 1
    QTest::addColumn<QStringList>("order");
    QTest::newRow("24 before 25 whatever the counts")
        << true << QList<ScoreSlot>{played(9, 9, 25), played(0, 0, 24)} << QStringList{u"乙"_s, u"甲"_s};
    QTest::newRow("equal totals: one-stroke 2 before 1")
        << true << QList<ScoreSlot>{played(1, 0, 25), played(2, 0, 25)} << QStringList{u"乙"_s, u"甲"_s};
    QTest::newRow("one-stroke left out: \"1\" before \"2\" by text")
        << false << QList<ScoreSlot>{played(2, 0, 25), played(1, 0, 25)} << QStringList{u"乙"_s, u"甲"_s};
    QTest::newRow("all equal: by name")
        << true << QList<ScoreSlot>{played(1, 1, 25), played(1, 1, 25)} << QStringList{u"乙"_s, u"甲"_s};
}

void ResultsTest::ranking()
{
    QFETCH(bool, oneStrokes);
    QFETCH(QList<ScoreSlot>, scores);
    QFETCH(QStringList, order);
    Meeting m;
    m.s.form.control("CheckBox1").checked = oneStrokes;
    m.put(0, 0, 0, scores.at(0), u"甲"_s);
    m.put(0, 0, 1, scores.at(1), u"乙"_s);
    m.show();
    QCOMPARE(m.names(), order);
    RecordingCanvas &c = m.s.platform.canvas("Image4");
    QCOMPARE(c.textAt(393, 107), order.at(0));
    QCOMPARE(c.textAt(393, 133), order.at(1));
    QCOMPARE(c.textAt(142, 108), u"1"_s);
    QCOMPARE(c.textAt(142, 134), u"2"_s);
}

void ResultsTest::optionsRankAgainAtOnce()
{
    Meeting m;
    m.put(0, 0, 0, played(1, 5, 25), u"甲"_s);
    m.put(0, 0, 1, played(2, 0, 25), u"乙"_s);
    m.show();
    QCOMPARE(m.names(), (QStringList{u"乙"_s, u"甲"_s}));
    m.s.form.control("CheckBox1").checked = false;
    m.s.form.CheckBox1Click();
    // 二打 decides now: 5 two-stroke holes before 0.
    QCOMPARE(m.names(), (QStringList{u"甲"_s, u"乙"_s}));
    QCOMPARE(m.s.platform.canvas("Image4").textAt(393, 107), u"甲"_s);
    m.s.form.control("CheckBox3").checked = false;
    m.s.form.CheckBox3Click();
    // Neither count: the record's text, whose next field is the one-stroke count.
    QCOMPARE(m.names(), (QStringList{u"甲"_s, u"乙"_s}));
    QCOMPARE(m.s.form.TableKind, tablekind::ResultPortrait);
    QCOMPARE(m.s.form.RankList.first().left(7), u"1259999"_s);
}

void ResultsTest::namesCutOnlyInTheLandscapeForm()
{
    Meeting m;
    m.put(0, 0, 0, played(2, 3, 40), u"長谷川左衛門"_s, u"みどりの会"_s);
    m.show();
    QCOMPARE(m.s.platform.canvas("Image4").textAt(393, 107), u"長谷川左衛門"_s);
    QCOMPARE(m.s.platform.canvas("Image4").textAt(210, 107), u"みどりの会"_s);
    m.landscape();
    m.s.form.Label60Click();
    RecordingCanvas &c = m.s.platform.canvas("Image29");
    QCOMPARE(c.textAt(landscapeName(0, 0).x(), landscapeName(0, 0).y()), u"長谷川左衛"_s);
    const sheet::Scale s = sheet::LandscapeScreen;
    QCOMPARE(c.textAt(s.X(55 + 130), s.Y(103)), u"みどりの"_s);
}

void ResultsTest::noScoresAtAll_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::newRow("タテ形") << false;
    QTest::newRow("ヨコ形") << true;
}

void ResultsTest::noScoresAtAll()
{
    QFETCH(bool, landscape);
    Meeting m;
    if (landscape) m.landscape();
    m.show();
    QVERIFY(m.s.form.RankList.isEmpty());
    RecordingCanvas &c = m.s.platform.canvas(landscape ? "Image29" : "Image4");
    QStringList numbers;
    QStringList others;
    for (const DrawnText &t : c.visibleTexts()) {
        bool isNumber = false;
        t.text.toInt(&isNumber);
        (isNumber ? numbers : others) << t.text;
    }
    // Row numbers 1..100 or 1..40, and the date's year, month and day.
    QCOMPARE(numbers.size(), (landscape ? 100 : 40) + 3);
    QVERIFY(others.contains(landscape ? u"チーム"_s : u"所属チーム"_s));
    QVERIFY(c.lines().size() > 40);
}

void ResultsTest::placedPlayersWithoutEntriesFollowTheRanked()
{
    QFETCH(bool, landscape);
    Meeting m;
    if (landscape) m.landscape();
    m.put(0, 2, 0, played(1, 1, 30), u"甲"_s);
    m.put(0, 2, 1, ScoreSlot::cleared(), u"乙"_s); // cleared with Delete: no longer ends the party
    m.put(0, 2, 2, played(0, 0, 25), u"丙"_s);
    m.s.form.KumiSlotText[1][0][0] = u"丁,星の会"_s; // placed, never entered
    m.show();
    QCOMPARE(m.names(), (QStringList{u"丙"_s, u"甲"_s, u"乙"_s, u"丁"_s}));
    const QString note = u"未入力の選手が2名います。未入力の確認で一覧できます。"_s;
    const std::vector<ShownBox> boxes = m.s.platform.takeBoxes();
    QCOMPARE(boxes.size(), std::size_t(1));
    QCOMPARE_BOX(boxes.front(), note, u"成績表作成"_s, MsgIcon::Information, MsgButtons::Ok);

    // Rows 3 and 4 have no rank, no figures; the rows after them are numbered as before.
    const sheet::Scale s = landscape ? sheet::LandscapeScreen : sheet::PortraitScreen;
    const auto rankAt = [&](int row) {
        return landscape ? QPoint(s.X(56), s.Y(70 + 27 * (row + 1) + 9)) : QPoint(126, 108 + 26 * row);
    };
    const auto nameAt = [&](int row) {
        return landscape ? landscapeName(0, row) : QPoint(393, 107 + 26 * row);
    };
    RecordingCanvas &c = m.s.platform.canvas(landscape ? "Image29" : "Image4");
    for (int row : {2, 3}) QCOMPARE(c.textAt(rankAt(row).x(), rankAt(row).y()), u"未入力"_s);
    QCOMPARE(c.textAt(nameAt(2).x(), nameAt(2).y()), u"乙"_s);
    QCOMPARE(c.textAt(landscape ? s.X(55 + 249) : 715, nameAt(2).y()), QString());
    const QPoint fifth = landscape ? landscapeRank(0, 4) : QPoint(142, 108 + 4 * 26);
    QCOMPARE(c.textAt(fifth.x(), fifth.y()), u"5"_s);

    // A page turn draws no second note; a PDF is one command and notes once.
    m.s.form.typeInto("Edit19", u"1"_s);
    m.s.form.Button7Click();
    QVERIFY(m.s.platform.takeBoxes().empty());
    m.s.platform.pdfAnswer = u"/tmp/result-unentered.pdf"_s;
    m.s.form.SavePdfClick();
    QCOMPARE(m.s.platform.takeBoxes().size(), std::size_t(1));
    const PrintedPage &page = m.s.platform.lastPage();
    const sheet::Scale p = sheet::printerScale(page.dpiX, page.dpiY);
    const QPoint printed =
        landscape ? QPoint(p.X(56), p.Y(70 + 27 * 3 + 9)) : QPoint(p.X(126), p.Y(108 + 26 * 2));
    QCOMPARE(page.canvas->textAt(printed.x(), printed.y()), u"未入力"_s);

    const QList<QStringList> csv =
        tables::resultRows(scoring::rankPlayers(m.s.form.ScoreSlots, m.s.form.KumiSlotText, {}));
    QCOMPARE(csv.size(), 5);
    QCOMPARE(csv.at(2).first(), u"2"_s);
    QCOMPARE(csv.at(4), (QStringList{u"未入力"_s, u"丁"_s, u"星の会"_s, QString(), QString(), QString(),
                                     u"B"_s, u"1"_s}));
}

void ResultsTest::pageCheckReachesTheResultTable()
{
    Meeting m;
    for (int p = 0; p < 12; ++p)
        for (int slot = 0; slot < 8; ++slot)
            m.put(p % 4, p, slot, played(0, 0, 10 + p * 8 + slot), u"選手"_s);
    m.show();
    QCOMPARE(m.s.form.RankList.size(), 96);
    m.s.form.typeInto("Edit19", u"3"_s);
    m.s.form.Button7Click();
    QCOMPARE(m.s.form.PageNo, 3);
    RecordingCanvas &c = m.s.platform.canvas("Image4");
    QCOMPARE(c.textAt(142, 108), u"81"_s);
    QCOMPARE(c.textAt(715, 107), u"90"_s);
    QCOMPARE(c.textAt(715, 107 + 15 * 26), u"105"_s);
    QCOMPARE(c.textAt(715, 107 + 16 * 26), QString());
    QCOMPARE(c.textAt(700, 53), u"P. 3"_s);
    m.s.form.typeInto("Edit19", u"11"_s);
    m.s.form.Button7Click();
    QCOMPARE_BOX(m.s.platform.boxes.back(), u"１から１０迄を設定して下さい"_s, u"ページ指定"_s,
                 MsgIcon::Warning, MsgButtons::Ok);
    QCOMPARE(m.s.form.control("Edit19").text, QString());
    QCOMPARE(c.textAt(142, 108), u"81"_s); // the previous drawing stays
}

void ResultsTest::secondLandscapePage()
{
    Meeting m;
    m.landscape();
    for (int g = 0; g < 2; ++g)
        for (int p = 0; p < 12; ++p)
            for (int slot = 0; slot < 6; ++slot)
                m.put(g, p, slot, played(0, 0, 10 + g * 100 + p * 6 + slot), u"選手"_s);
    m.show();
    m.s.form.typeInto("Edit19", u"2"_s);
    m.s.form.Button7Click();
    RecordingCanvas &c = m.s.platform.canvas("Image29");
    const sheet::Scale s = sheet::LandscapeScreen;
    QCOMPARE(c.textAt(landscapeRank(0, 0).x(), landscapeRank(0, 0).y()), u"101"_s);
    QCOMPARE(c.textAt(s.X(55 + 249), s.Y(103)), u"138"_s); // entry 101: group B, party 5, slot 5
    QCOMPARE(c.textAt(s.X(55 + 249), s.Y(103 + 27 * 24)), u"162"_s);
    QCOMPARE(c.textAt(s.X(55 + 281 + 249), s.Y(103 + 27 * 18)), u"181"_s); // entry 144, the last
    QCOMPARE(c.textAt(s.X(55 + 281 + 249), s.Y(103 + 27 * 19)), QString());
    m.s.form.typeInto("Edit19", u"5"_s);
    m.s.form.Button7Click();
    QCOMPARE_BOX(m.s.platform.boxes.back(), u"１から４迄を設定して下さい"_s, u"ページ指定"_s,
                 MsgIcon::Warning, MsgButtons::Ok);
}

void ResultsTest::aFigureThatIsNotANumber()
{
    Meeting m;
    m.put(1, 2, 0, ScoreSlot{u"x"_s, u"x"_s, u"1"_s, u"30"_s, u"1"_s}, u"甲"_s);
    m.show();
    QCOMPARE(m.s.platform.boxes.size(), std::size_t(1));
    QCOMPARE(m.s.platform.boxes.back().text,
             u"Bグループ 3組 1番の得点が数字ではありません。得点を入力し直して下さい"_s);
    QCOMPARE(m.s.platform.boxes.back().icon, MsgIcon::Error);
}

void ResultsTest::printedResultTable_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::newRow("タテ形") << false;
    QTest::newRow("ヨコ形") << true;
}

void ResultsTest::printedResultTable()
{
    QFETCH(bool, landscape);
    Meeting m;
    if (landscape) m.landscape();
    m.put(0, 0, 0, played(2, 3, 40), u"山田"_s);
    m.show();
    m.s.platform.pdfAnswer = u"/tmp/result.pdf"_s;
    m.s.form.SavePdfClick();
    QCOMPARE(m.s.platform.printed.size(), std::size_t(1));
    const PrintedPage &page = m.s.platform.lastPage();
    QCOMPARE(page.orientation, landscape ? PageOrientation::Landscape : PageOrientation::Portrait);
    // The page keeps the screen's text sizes.
    const sheet::Scale p = sheet::printerScale(page.dpiX, page.dpiY)
                               .showing(landscape ? sheet::LandscapeScreen : sheet::PortraitScreen);
    const int x = landscape ? p.X(55 + 33) : p.X(393);
    const int y = landscape ? p.Y(103) : p.Y(107);
    QCOMPARE(page.canvas->textAt(x, y), u"山田"_s);
    QCOMPARE(page.canvas->drawnAt(x, y)->fontHeight, p.font(16));
    // The screen is drawn again at its own scale.
    QCOMPARE(m.s.form.ScaleX, landscape ? 0.82 : 1.0);
    QCOMPARE(m.s.form.TableKind, landscape ? tablekind::ResultLandscape : tablekind::ResultPortrait);
    m.s.form.N21Click(); // 印刷 at the printer's resolution
    QCOMPARE(m.s.platform.printed.size(), std::size_t(2));
    const PrintedPage &printed = m.s.platform.lastPage();
    const sheet::Scale q = sheet::printerScale(printed.dpiX, printed.dpiY);
    QCOMPARE(printed.canvas->textAt(landscape ? q.X(55 + 33) : q.X(393), landscape ? q.Y(103) : q.Y(107)),
             u"山田"_s);
}

void ResultsTest::scoreEntryScreenEmptiesTheRanking()
{
    Meeting m;
    m.put(0, 0, 0, played(2, 3, 40), u"山田"_s);
    m.show();
    QCOMPARE(m.s.form.RankList.size(), 1);
    m.s.form.CurGroup = curgroup::None;
    m.s.form.Label36Click(); // no group at all: the list is kept
    QCOMPARE(m.s.form.RankList.size(), 1);
    m.s.form.Label54Click();
    QVERIFY(m.s.form.RankList.isEmpty());
}

void ResultsTest::everyPlacedPlayerWhateverWasVisited_data()
{
    // sample-120: 120 placed players, group A's 60 with entries; group B's score section is empty.
    QTest::addColumn<bool>("visited"); // 得点入力 B opened first
    QTest::addColumn<bool>("printAll");
    QTest::newRow("fresh open") << false << false;
    QTest::newRow("after 得点入力 B, まとめて印刷") << true << true;
}

void ResultsTest::everyPlacedPlayerWhateverWasVisited()
{
    QFETCH(bool, visited);
    QFETCH(bool, printAll);
    Scenario s;
    s.platform.chooseFile(QFINDTESTDATA(u"../data/sample-120.txt"_s));
    s.form.N3Click();
    if (visited) (s.form.Label54Click(), s.form.Label45Click());
    s.form.Label64Click();
    s.form.Label60Click();
    if (printAll) {
        s.platform.takeBoxes();
        s.platform.batchAnswers.push_back(BatchPrintChoice{BatchTable::ResultTable, 0, BatchOutput::Preview});
        s.form.PrintAllClick();
        QCOMPARE(s.platform.printed.size(), size_t(3)); // 120 rows, 40 a page
    }
    QCOMPARE(s.form.RankList.size(), 120);
    QCOMPARE(s.platform.boxes.size(), size_t(1)); // the note, once per command
    QCOMPARE(s.platform.boxes.back().text, u"未入力の選手が60名います。未入力の確認で一覧できます。"_s);
}

QTEST_APPLESS_MAIN(ResultsTest)
#include "tst_results.moc"
