// The dialogs of まとめて印刷 and 組み合わせの確認 in the window: reached from their menus,
// their choices handed to the form, and a whole meeting's score sheets written as one PDF
// through Qt's PDF writer.
#include "WindowFixture.h"

#include "datafile/MeetingFile.h"
#include "gui/BatchDialogs.h"
#include "gui/SeasonWindow.h"
#include "support/Poppler.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {
// Four groups of twelve parties of six, stored as the automatic division stores them.
void storeMeeting(StartedWindow &w)
{
    QStringList whole;
    for (int g = 1; g <= 4; ++g) {
        QStringList list;
        for (int k = 0; k < 72; ++k)
            list << u"選手%1-%2,緑会%3,男,昭和,10,10,10,0,on,off,off,,"_s.arg(g).arg(k + 1).arg(k % 6);
        whole << list;
        w.form().GroupList[g - 1] = list;
        QStringList lines;
        for (int p = 0; p < 12; ++p) {
            QStringList items{u"7"_s};
            for (int k = 0; k < 6; ++k) items << QString::number(p * 6 + k);
            lines << items.join(u',');
        }
        w.form().KumiLines[g - 1] = lines;
    }
    w.form().MemberLines = whole;
    w.form().SavedMemberLines = whole;
    w.form().Bunkatu();
    w.form().AutoMade = 1;
    w.window->refresh();
}

} // namespace

class BatchDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void printAllOffersTheTablesAndWritesOnePdf();
    void theDialogHandsOverTheChoice();
    void combinationCheckWindowShowsTheReportAndPrints();
    void missingEntriesListMovesTheCursor();
    void csvThroughTheMenu();
    void seasonThroughTheMenu();
};

void BatchDialogsTest::printAllOffersTheTablesAndWritesOnePdf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"meeting.pdf"_s);
    StartedWindow w;
    QVERIFY(w.exposed());
    storeMeeting(w);
    w.click("Label64");
    w.click("Label43");
    w.click("Label44");
    int offered = 0;
    w.window->platform().answerDialog = [&offered](QDialog &dialog) {
        auto *batch = qobject_cast<BatchPrintDialog *>(&dialog);
        QVERIFY(batch);
        QCOMPARE(dialog.windowTitle(), u"まとめて印刷"_s);
        const QComboBox *groups = dialog.findChild<QComboBox *>();
        QCOMPARE(groups->count(), 5); // 全グループ and the four groups
        QCOMPARE(groups->itemText(0), u"全グループ"_s);
        QCOMPARE(groups->itemText(4), u"D グループ"_s);
        ++offered;
        batch->selectTable(BatchTable::ScoreSheets, 0);
        dialog.findChild<QPushButton *>(u"PDFに保存"_s)->click();
    };
    w.window->platform().answerPdfDialog = [&path] { return std::optional<QString>(path); };
    QAction *entry = w.window->menuEntry(u"PrintAll"_s);
    QVERIFY(entry && entry->isEnabled());
    QCOMPARE(entry->text(), u"まとめて印刷"_s);
    QElapsedTimer timer;
    timer.start();
    entry->trigger();
    const qint64 ms = timer.elapsed();
    qInfo("まとめて印刷 of 48 score sheets into a PDF: %lld ms", static_cast<long long>(ms));
    QCOMPARE(offered, 1);
    QVERIFY(w.boxes.empty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.contains("/MediaBox [0 0 842")); // landscape A4
    if (poppler::program(u"pdfinfo"_s).isEmpty()) QSKIP(poppler::missing(u"pdfinfo"_s).constData());
    QVERIFY2(QString::fromUtf8(poppler::run(u"pdfinfo"_s, {u"PDF"_s}, path))
                 .contains(QRegularExpression(u"Pages:\\s+48\\n"_s)),
             "48 pages");
}

void BatchDialogsTest::theDialogHandsOverTheChoice()
{
    BatchPrintOffer offer;
    offer.groupNames = {u"A"_s, u"松"_s, u"C"_s, u"D"_s};
    offer.groupHasParties = {false, true, false, false};
    offer.hasMembers = true;
    BatchPrintDialog dialog(offer);
    const QList<QRadioButton *> tables = dialog.findChildren<QRadioButton *>();
    QCOMPARE(tables.size(), 6);
    QVERIFY(tables.at(0)->isChecked());
    QVERIFY(tables.at(2)->isEnabled());  // score-entry sheets
    QVERIFY(tables.at(3)->isEnabled());  // score check sheets
    QVERIFY(!tables.at(5)->isEnabled()); // no scores, no result table
    QCOMPARE(dialog.findChild<QComboBox *>()->itemText(1), u"松 グループ"_s);
    dialog.selectTable(BatchTable::ScoreSheets, 2);
    dialog.findChild<QPushButton *>(u"印刷プレビュー"_s)->click();
    QVERIFY(dialog.choice());
    QCOMPARE(dialog.choice()->table, BatchTable::ScoreSheets);
    QCOMPARE(dialog.choice()->group, 2);
    QCOMPARE(dialog.choice()->output, BatchOutput::Preview);

    // Without a combination only the member table can be chosen.
    offer.groupHasParties = {};
    BatchPrintDialog members(offer);
    const QList<QRadioButton *> choices = members.findChildren<QRadioButton *>();
    QVERIFY(!choices.at(0)->isEnabled());
    QVERIFY(!choices.at(1)->isEnabled());
    QVERIFY(!choices.at(2)->isEnabled());
    QVERIFY(!choices.at(3)->isEnabled());
    QVERIFY(choices.at(4)->isChecked());
    members.findChild<QPushButton *>(u"印刷"_s)->click();
    QCOMPARE(members.choice()->table, BatchTable::MemberTable);
    QCOMPARE(members.choice()->group, 0);

    // With scores the result table can be chosen.
    offer.hasScores = true;
    BatchPrintDialog results(offer);
    QVERIFY(results.findChildren<QRadioButton *>().at(5)->isEnabled());
    results.selectTable(BatchTable::ResultTable);
    results.findChild<QPushButton *>(u"PDFに保存"_s)->click();
    QCOMPARE(results.choice()->table, BatchTable::ResultTable);

    BatchPrintDialog cancelled(offer);
    cancelled.reject();
    QVERIFY(!cancelled.choice());
}

void BatchDialogsTest::combinationCheckWindowShowsTheReportAndPrints()
{
    QTemporaryDir dir;
    const QString printed = dir.filePath(u"report.pdf"_s);
    StartedWindow w;
    QVERIFY(w.exposed());
    storeMeeting(w);
    w.window->platform().answerPrintDialog = [&printed](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    };
    QString shown;
    w.window->platform().answerDialog = [&shown](QDialog &dialog) {
        auto *window = qobject_cast<CombinationCheckWindow *>(&dialog);
        QVERIFY(window);
        QCOMPARE(dialog.windowTitle(), u"組み合わせの確認"_s);
        shown = window->shownText();
        window->pressPrint();
    };
    QAction *entry = w.window->menuEntry(u"CheckCombination"_s);
    QVERIFY(entry && entry->isEnabled());
    entry->trigger();
    QVERIFY2(shown.startsWith(
                 u"A グループ　12組　72名　リーダー 0名　男性 72名　女性 0名　同じチームの二人 0組\n"_s),
             qPrintable(shown.left(80)));
    QVERIFY(shown.contains(u"      1番    選手4-1 "_s));
    QFile file(printed);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.contains("/MediaBox [0 0 595")); // portrait A4
    QVERIFY(w.boxes.empty());
}

void BatchDialogsTest::missingEntriesListMovesTheCursor()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    storeMeeting(w);
    w.click("Label54"); // tab 得点入力
    w.click("Label44"); // group A
    auto *count = w.widgetAs<QLabel>("MissingCount");
    QVERIFY(count && count->isVisible());
    QCOMPARE(count->text(), u"未入力の選手　72名"_s);
    QWidget *button = w.widget("MissingList");
    QVERIFY(button->isVisible() && button->isEnabled());
    // The line and the button lie under the table's last row, inside the window.
    QVERIFY(count->geometry().top() >= w.form().GridBottom + w.widget("Image28")->geometry().top());
    QVERIFY(w.window->centralWidget()->rect().contains(button->geometry()));
    QStringList items;
    w.window->platform().answerDialog = [&items](QDialog &dialog) {
        auto *list = qobject_cast<ListChoiceWindow *>(&dialog);
        QVERIFY(list);
        QCOMPARE(dialog.windowTitle(), u"未入力の確認"_s);
        for (int i = 0; i < list->list()->count(); ++i) items << list->list()->item(i)->text();
        // A click on the 20th line: 4組2番.
        QListWidgetItem *item = list->list()->item(19);
        list->list()->scrollToItem(item);
        QTest::mouseClick(list->list()->viewport(), Qt::LeftButton, {},
                          list->list()->visualItemRect(item).center());
    };
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(items.size(), 72);
    QCOMPARE(items.at(19), u"4組2番　選手1-20（緑会1）"_s);
    QCOMPARE(w.form().EntryRow, 3);
    QCOMPARE(w.form().EntrySlot, 1);
    QVERIFY(w.boxes.empty());
}

void BatchDialogsTest::csvThroughTheMenu()
{
    QTemporaryDir dir;
    StartedWindow w;
    QVERIFY(w.exposed());
    storeMeeting(w);
    QStringList offered;
    w.window->platform().answerDialog = [&offered](QDialog &dialog) {
        auto *list = qobject_cast<ListChoiceWindow *>(&dialog);
        QVERIFY(list);
        QCOMPARE(dialog.windowTitle(), u"CSVに書き出し"_s);
        for (int i = 0; i < list->list()->count(); ++i) offered << list->list()->item(i)->text();
        QListWidgetItem *members = list->list()->item(0);
        QTest::mouseClick(list->list()->viewport(), Qt::LeftButton, {},
                          list->list()->visualItemRect(members).center());
    };
    w.window->platform().answerFileDialog = [&dir](QFileDialog &d) {
        [&] {
            QCOMPARE(d.windowTitle(), u"CSVに書き出し"_s);
            QCOMPARE(d.acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(d.defaultSuffix(), u"csv"_s);
        }();
        d.selectFile(dir.filePath(u"メンバー"_s)); // typed without ".csv"
        return true;
    };
    QAction *entry = w.window->menuEntry(u"CsvExport"_s);
    QVERIFY(entry && entry->isEnabled());
    entry->trigger();
    QCOMPARE(offered, (QStringList{u"メンバー表"_s, u"組み合せ表（全グループ）"_s, u"成績表"_s}));
    QFile file(dir.filePath(u"メンバー.csv"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    QVERIFY(csv.startsWith("\xEF\xBB\xBF番号,氏名,チーム\r\n1,選手1-1,緑会0\r\n"));
    QCOMPARE(csv.count("\r\n"), 289);
    QVERIFY(w.boxes.empty());
}

void BatchDialogsTest::seasonThroughTheMenu()
{
    // Two meetings of one player, 一 in the older file, chosen together in one dialog.
    QTemporaryDir dir;
    QStringList names;
    for (const QString &title : {u"一"_s, u"二"_s}) {
        datafile::Meeting m;
        m.scoreLines[0] << u"A,1,2,0,40,山田,緑会"_s + u",#,0,0,0,"_s.repeated(7);
        m.tournamentName = title;
        QFile f(dir.filePath(title + u".txt"_s));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(datafile::write(m).bytes) > 0 && f.flush());
        const QDateTime date(QDate(2026, 4 + names.size(), 1), QTime(9, 0));
        QVERIFY(f.setFileTime(date, QFileDevice::FileModificationTime));
        names << u'"' + title + u".txt\""_s;
    }
    StartedWindow w;
    w.window->platform().answerFileDialog = [&](QFileDialog &d) {
        d.setDirectory(dir.path());
        d.selectFile(names.join(u' '));
        return d.fileMode() == QFileDialog::ExistingFiles;
    };
    QList<QStringList> before, after;
    w.window->platform().answerDialog = [&](QDialog &dialog) {
        auto *season = qobject_cast<SeasonWindow *>(&dialog);
        QVERIFY(season);
        before = season->shownRows();
        season->selectMeeting(0);
        QTest::mouseClick(dialog.findChild<QPushButton *>(u"右へ →"_s), Qt::LeftButton);
        after = season->shownRows();
    };
    w.window->menuEntry(u"Season"_s)->trigger();
    QCOMPARE(before.value(1), (QStringList{u"1"_s, u"山田"_s, u"緑会"_s, u"1位 40"_s, u"1位 40"_s, u"2"_s,
                                           u"80"_s, u"40.0"_s, u"4"_s}));
    QCOMPARE(before.value(0).mid(3, 2), (QStringList{u"一"_s, u"二"_s}));
    QCOMPARE(after.value(0).mid(3, 2), (QStringList{u"二"_s, u"一"_s}));
    QVERIFY(w.boxes.empty());
}

QTEST_MAIN(BatchDialogsTest)
#include "tst_batchdialogs.moc"
