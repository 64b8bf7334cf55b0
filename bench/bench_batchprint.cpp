// まとめて印刷 of a whole meeting's score sheets (4 groups × 12 parties of 6) into one PDF
// through Qt's PDF writer, as the window does it. Goal: ≤ 2 s. Registers with the benchmark
// library and runs in kmtx_bench (./build.sh bench), which provides the application and main().
#include "app/MainForm.h"
#include "gui/BatchDialogs.h"
#include "gui/QtPlatform.h"

#include <QDialog>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

void storeMeeting(TMainForm &form)
{
    QStringList whole;
    for (int g = 1; g <= 4; ++g) {
        QStringList list;
        for (int k = 0; k < 72; ++k)
            list << u"選手%1-%2,緑会%3,男,昭和,10,10,10,0,on,off,off,,"_s.arg(g).arg(k + 1).arg(k % 6);
        whole << list;
        form.GroupList[g - 1] = list;
        QStringList lines;
        for (int p = 0; p < 12; ++p) {
            QStringList items{u"7"_s};
            for (int k = 0; k < 6; ++k) items << QString::number(p * 6 + k);
            lines << items.join(u',');
        }
        form.KumiLines[g - 1] = lines;
    }
    form.MemberLines = whole;
    form.SavedMemberLines = whole;
    form.Bunkatu();
    form.AutoMade = 1;
}

void BM_PrintAllScoreSheetsToPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"meeting.pdf"_s);
    QtPlatform platform;
    platform.answerBox = [](const QString &, const QString &, MsgIcon, MsgButtons) { return int(IdOk); };
    platform.answerPdfDialog = [&path] { return std::optional<QString>(path); };
    platform.answerDialog = [](QDialog &dialog) {
        auto *batch = qobject_cast<BatchPrintDialog *>(&dialog);
        batch->selectTable(BatchTable::ScoreSheets, 0);
        batch->press(BatchOutput::Pdf);
    };
    TMainForm form(platform);
    form.FormCreate();
    storeMeeting(form);
    form.Label64Click();
    form.Label43Click();
    form.Label44Click();
    for (auto _ : state) form.PrintAllClick();
    state.counters["pages"] = 48;
}
BENCHMARK(BM_PrintAllScoreSheetsToPdf)->Unit(benchmark::kMillisecond);

} // namespace
