// The data file reader under libFuzzer, and everything the window and kmtx-export do with
// what it reads. Whatever the bytes, reading ends with a meeting or an error. A meeting
// that was read is written again and read back the same; it is opened in the form, ranked
// and drawn as every table on the screen and as every table kmtx-export writes; and what
// the form then saves reads back as the meeting it saved.
#include "app/MainForm.h"
#include "datafile/MeetingFile.h"
#include "scoring/Ranking.h"
#include "support/FakePlatform.h"
#include "tables/MeetingTables.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// The tables kmtx-export makes of a meeting, without drawing them.
void exportTables(const datafile::Meeting &meeting)
{
    const auto scores = tables::scoresOf(meeting);
    if (!scores) fail("a meeting that was read has damaged score lines");
    QList<tables::GroupParties> groups;
    for (int g = 0; g < 4; ++g)
        groups << tables::GroupParties{grouping::groupLetter(g), tables::partiesOfGroup(meeting, g)};
    const scoring::Ranking ranking = scoring::rankPlayers(scores->records, scores->slotTexts, {});
    if (ranking.error) fail("a meeting that was read cannot be ranked");
    for (const auto &rows : {tables::memberRows(meeting.memberLines), tables::combinationRows(groups),
                             tables::scoreEntryRows(groups, scores->records), tables::resultRows(ranking)})
        (void)tables::csvDocument(rows);
}

// Every table of the window, drawn for every group in both forms.
void drawEveryTable(TMainForm &form)
{
    form.Label64Click(); // 作表と印刷
    for (int g = 1; g <= 4; ++g) {
        form.Label53Click(); // 組合せ表作成
        form.groupTab(g);
        form.Label43Click(); // スコア表作成
        form.groupTab(g);
    }
    for (const auto shape : {&TMainForm::N31Click, &TMainForm::N32Click}) { // タテ形, ヨコ形
        (form.*shape)();
        form.Label56Click(); // メンバー表作成
        form.Label60Click(); // 成績表作成
        form.UpDown1Step(1);
    }
    form.Label54Click(); // 得点入力
    for (int g = 1; g <= 4; ++g) form.groupTab(g);
    form.Label42Click(); // 組み合わせ
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const datafile::ReadResult result = datafile::read(bytes);
    if (const auto *error = std::get_if<datafile::ReadError>(&result)) {
        if (error->message().isEmpty()) fail("a refusal without a message");
        return 0;
    }
    const auto &meeting = std::get<datafile::Meeting>(result);
    const datafile::WriteResult written = datafile::write(meeting);
    if (!written.error.isEmpty()) {
        std::fprintf(stderr, "a meeting that was read cannot be written: %s\n", qPrintable(written.error));
        std::abort();
    }
    const datafile::ReadResult again = datafile::read(written.bytes);
    if (!std::holds_alternative<datafile::Meeting>(again) || std::get<datafile::Meeting>(again) != meeting)
        fail("a meeting written and read again differs from the one read");
    exportTables(meeting);

    // Opened in the window on the combination screen, as 開く leaves it.
    FakePlatform platform;
    platform.clock = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0));
    TMainForm form(platform);
    form.FormCreate();
    form.Label42Click();
    form.applyMeeting(meeting, u"/meetings/大会.txt"_s);
    drawEveryTable(form);

    // What it would save now reads back as the same meeting.
    form.Tensave();
    const datafile::Meeting saved = form.currentMeeting();
    const datafile::WriteResult savedBytes = datafile::write(saved);
    if (!savedBytes.error.isEmpty()) fail("the form cannot save a meeting it opened");
    const datafile::ReadResult reopened = datafile::read(savedBytes.bytes);
    if (!std::holds_alternative<datafile::Meeting>(reopened) ||
        std::get<datafile::Meeting>(reopened) != saved)
        fail("a meeting the form saves does not read back the same");
    return 0;
}
