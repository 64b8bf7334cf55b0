// Benchmarks of kmtx-export and the data file with the full meeting of the tests
// (300 members, four groups of twelve parties of eight, every slot scored):
//   - each export beside the same program doing nothing but start and exit (--version),
//     both measured in the same run; the counter "x_start" is the ratio of the two;
//   - a 600-dpi PNG page beside the same page by another build of kmtx-export, named by the
//     environment variable KMTX_EXPORT_BEFORE (e.g. one built before a change to the PNG
//     writer), both measured in the same run: "x_before" is the ratio of the times,
//     "size_x_before" of the files' sizes;
//   - reading plus writing the whole meeting file in memory.
#include "datafile/MeetingFile.h"
#include "scoring/Ranking.h"
#include "tables/MeetingTables.h"

#include <QFile>
#include <QFileInfo>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

const std::string kProgram = KMTX_EXPORT_PROGRAM;
const std::string kMeeting = std::string(KMTX_TEST_DATA) + "/write-full-300.txt";

// Runs kmtx-export with the arguments and returns its wall time in seconds (negative when
// it did not exit with 0).
double runExport(std::vector<std::string> arguments, std::string program = kProgram)
{
    std::vector<char *> argv;
    argv.push_back(program.data());
    for (std::string &a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

// One iteration runs the program once doing nothing and once exporting; the time is the
// export's, the counter x_start its ratio to the start alone.
void exportBesideStart(benchmark::State &state, std::vector<std::string> arguments)
{
    double exportTotal = 0;
    double startTotal = 0;
    for (auto _ : state) {
        const double start = runExport({"--version"});
        const double exported = runExport(arguments);
        if (start < 0 || exported < 0) {
            state.SkipWithError("kmtx-export failed");
            return;
        }
        startTotal += start;
        exportTotal += exported;
        state.SetIterationTime(exported);
    }
    state.counters["start_ms"] = startTotal / double(state.iterations()) * 1000;
    state.counters["x_start"] = exportTotal / startTotal;
}

void BM_Export_StartAndExit(benchmark::State &state)
{
    for (auto _ : state) {
        const double t = runExport({"--version"});
        if (t < 0) {
            state.SkipWithError("kmtx-export failed");
            return;
        }
        state.SetIterationTime(t);
    }
}

void BM_Export_ResultCsv(benchmark::State &state)
{
    exportBesideStart(state, {kMeeting, "--table", "result", "-o", "/tmp/kmtx-bench-result.csv"});
}

void BM_Export_ResultTablePdf(benchmark::State &state)
{
    exportBesideStart(state, {kMeeting, "--table", "result", "-o", "/tmp/kmtx-bench-result.pdf"});
}

void BM_Export_MemberTablePdf(benchmark::State &state)
{
    exportBesideStart(state, {kMeeting, "--table", "member", "-o", "/tmp/kmtx-bench-member.pdf"});
}

void BM_Export_AllMemberPagesPdf(benchmark::State &state)
{
    exportBesideStart(state, {kMeeting, "--table", "member", "--all", "-o", "/tmp/kmtx-bench-members.pdf"});
}

void BM_Export_48ScoreSheetsPdf(benchmark::State &state)
{
    exportBesideStart(state,
                      {kMeeting, "--table", "score-sheet", "--all", "-o", "/tmp/kmtx-bench-sheets.pdf"});
}

// One page at a printer's resolution: the combination table and the result table at 600 dpi.
void BM_Export_CombinationTablePng600(benchmark::State &state)
{
    exportBesideStart(
        state, {kMeeting, "--table", "combination", "--dpi", "600", "-o", "/tmp/kmtx-bench-combination.png"});
}

void BM_Export_ResultTablePng600(benchmark::State &state)
{
    exportBesideStart(state,
                      {kMeeting, "--table", "result", "--dpi", "600", "-o", "/tmp/kmtx-bench-result.png"});
}

// One iteration writes the page with the other build and with this one, which of the two goes
// first changing from one iteration to the next.
void pngBesideBefore(benchmark::State &state, const std::string &table)
{
    const char *before = std::getenv("KMTX_EXPORT_BEFORE");
    if (!before || !*before) {
        state.SkipWithError("KMTX_EXPORT_BEFORE names no program to compare with");
        return;
    }
    const std::string beforeOut = "/tmp/kmtx-bench-before.png";
    const std::string afterOut = "/tmp/kmtx-bench-after.png";
    double beforeTotal = 0;
    double afterTotal = 0;
    bool beforeFirst = true;
    for (auto _ : state) {
        const auto run = [&](bool isBefore) {
            return isBefore ? runExport({kMeeting, "--table", table, "--dpi", "600", "-o", beforeOut}, before)
                            : runExport({kMeeting, "--table", table, "--dpi", "600", "-o", afterOut});
        };
        const double first = run(beforeFirst);
        const double second = run(!beforeFirst);
        const double b = beforeFirst ? first : second;
        const double a = beforeFirst ? second : first;
        beforeFirst = !beforeFirst;
        if (b < 0 || a < 0) {
            state.SkipWithError("kmtx-export failed");
            return;
        }
        beforeTotal += b;
        afterTotal += a;
        state.SetIterationTime(a);
    }
    const double beforeSize = double(QFileInfo(QString::fromStdString(beforeOut)).size());
    const double afterSize = double(QFileInfo(QString::fromStdString(afterOut)).size());
    state.counters["before_ms"] = beforeTotal / double(state.iterations()) * 1000;
    state.counters["x_before"] = afterTotal / beforeTotal;
    state.counters["kB"] = afterSize / 1000;
    state.counters["before_kB"] = beforeSize / 1000;
    state.counters["size_x_before"] = afterSize / beforeSize;
}

void BM_Export_CombinationTablePng600_BesideBefore(benchmark::State &state)
{
    pngBesideBefore(state, "combination");
}

void BM_Export_ResultTablePng600_BesideBefore(benchmark::State &state) { pngBesideBefore(state, "result"); }

void BM_DataFile_ReadAndWriteFullMeeting(benchmark::State &state)
{
    QFile file(QString::fromStdString(kMeeting));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no meeting file");
        return;
    }
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        const datafile::ReadResult read = datafile::read(bytes);
        const auto *meeting = std::get_if<datafile::Meeting>(&read);
        if (!meeting) {
            state.SkipWithError("the meeting file was refused");
            return;
        }
        const datafile::WriteResult written = datafile::write(*meeting);
        benchmark::DoNotOptimize(written.bytes.size());
    }
}

// What an export of the result table does before drawing: the scores of the read meeting
// and their ranking.
void BM_ScoresAndRankingOfFullMeeting(benchmark::State &state)
{
    QFile file(QString::fromStdString(kMeeting));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no meeting file");
        return;
    }
    const datafile::ReadResult read = datafile::read(file.readAll());
    const auto *meeting = std::get_if<datafile::Meeting>(&read);
    if (!meeting) {
        state.SkipWithError("the meeting file was refused");
        return;
    }
    for (auto _ : state) {
        const auto scores = tables::scoresOf(*meeting);
        const scoring::Ranking ranking =
            scoring::rankPlayers(scores->records, scores->slotTexts, {true, true});
        benchmark::DoNotOptimize(ranking.RankList.size());
    }
}

} // namespace

BENCHMARK(BM_Export_StartAndExit)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_ResultCsv)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_ResultTablePdf)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_MemberTablePdf)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_AllMemberPagesPdf)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_48ScoreSheetsPdf)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_CombinationTablePng600)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_ResultTablePng600)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_CombinationTablePng600_BesideBefore)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_ResultTablePng600_BesideBefore)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DataFile_ReadAndWriteFullMeeting)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScoresAndRankingOfFullMeeting)->Unit(benchmark::kMillisecond);
