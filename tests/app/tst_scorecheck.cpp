// 得点確認表: the score-entry sheet with each placed player's entries, checked cell by cell
// against what the 得点入力 screen shows for a full group, on the screen, on paper and in
// まとめて印刷.
#include "TableSteps.h"

#include "scoring/ScoreEntry.h"

using namespace Qt::StringLiterals;
using namespace tablesteps;

class ScoreCheckTest : public QObject
{
    Q_OBJECT
private slots:
    void everyCellAsTheEntryScreenShowsIt_data();
    void everyCellAsTheEntryScreenShowsIt();
};

void ScoreCheckTest::everyCellAsTheEntryScreenShowsIt_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("６人枠, twelve parties of six") << 6;
    QTest::newRow("８人枠, twelve parties of eight") << 8;
}

void ScoreCheckTest::everyCellAsTheEntryScreenShowsIt()
{
    QFETCH(int, size);
    Scenario s;
    storeCombination(s, 1, 12, size);
    if (size == 8) s.form.N29Click();
    s.form.TokutenClr(5);
    // Every fifth place without an entry, every third with two entries, the rest with one.
    for (int k = 0; k < 12; ++k)
        for (int slot = 0; slot < size; ++slot) {
            const int n = k * size + slot;
            if (n % 5 == 0) continue;
            ScoreSlot &r = s.form.ScoreSlots[0][k][slot];
            r = scoring::addEntry(r, QString::number(n % 4), QString::number(n % 7), QString::number(40 + n))
                    .slot;
            if (n % 3 == 0) r = scoring::addEntry(r, u"1"_s, u"2"_s, u"33"_s).slot;
        }

    s.form.Label54Click();
    s.form.groupTab(1);
    RecordingCanvas &picture = s.platform.canvas("Image28");
    const TMainForm &f = s.form;
    const tables::sheet::Scale sc{f.ScaleX, f.ScaleY};
    const auto cellAt = [&](int k, int slot) {
        return QPoint(sc.offX(f.GridX0 + f.GridColumnWidth * slot, 40), sc.offY((k + 2) * f.GridRowH, 28));
    };
    QStringList onScreen;
    for (int k = 0; k < 12; ++k)
        for (int slot = 0; slot < size; ++slot)
            onScreen << picture.textAt(cellAt(k, slot).x(), cellAt(k, slot).y());

    s.form.Label64Click();
    s.form.ScoreCheckClick(); // no group chosen yet: the grid without names
    QVERIFY(!textsOf(picture).contains(storedName(1, 1, 0, size)));
    s.form.groupTab(1);
    QCOMPARE(s.form.TableKind, tablekind::ScoreCheck);
    const int nameX = sc.offX(sc.X(52), 83);
    for (int k = 0; k < 12; ++k) {
        for (int slot = 0; slot < size; ++slot) {
            const int n = k * size + slot;
            const QString shown = picture.textAt(cellAt(k, slot).x(), cellAt(k, slot).y());
            QCOMPARE(shown, n % 5 == 0 ? u"未入力"_s : onScreen.at(n));
            if (n % 5 != 0) QVERIFY(shown.startsWith(n % 3 == 0 ? u"(2)"_s : u"(1)"_s));
            const QPoint name(nameX + f.GridColumnWidth * slot, sc.offY(f.GridTop + k * f.GridRowH, 28));
            QCOMPARE(picture.textAt(name.x(), name.y()), storedName(1, k + 1, slot, size));
        }
    }

    // On paper and in まとめて印刷: the same sheet, one page each; the screen shows it again.
    const QString title = s.form.TournamentName() + u" 得点確認表"_s;
    s.platform.printed.clear();
    s.form.N21Click();
    s.platform.batchAnswers.push_back(BatchPrintChoice{BatchTable::ScoreCheckSheets, 0, BatchOutput::Pdf});
    s.platform.pdfAnswer = u"check.pdf"_s;
    s.form.PrintAllClick();
    QCOMPARE(s.platform.printed.size(), std::size_t(2));
    for (const auto &page : s.platform.printed) {
        const QStringList texts = textsOf(*page->canvas);
        QCOMPARE(texts.count(u"未入力"_s), (12 * size + 4) / 5);
        QVERIFY(texts.contains(title) && texts.contains(onScreen.at(1)));
    }
    QCOMPARE(s.form.TableKind, tablekind::ScoreCheck);
}

QTEST_APPLESS_MAIN(ScoreCheckTest)
#include "tst_scorecheck.moc"
