// Benchmarks of くみっとEX on the real screen pictures, offscreen, with 300 members:
// start to window shown beside an empty window of the same size, peak memory of both, and
// the commands an organiser repeats (a mark click, おまかせ 開始 into 4 groups, registering
// the 300th member, a group tab), each with the refresh and painting of the window.
//
//   kmtx_bench                      the table of every benchmark
//   kmtx_bench --child kmtx|empty   one start of the program or of the empty window (used
//                                   by the start benchmarks): prints the monotonic time
//                                   in nanoseconds when the window is shown, then exits
#include "gui/MainWindow.h"

#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

using namespace Qt::StringLiterals;

namespace {

long long monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The peak memory of this process so far, in kB (VmHWM; a new program after exec starts afresh).
long peakKb()
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status) return 0;
    char line[256];
    long kb = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::atol(line + 6);
    std::fclose(status);
    return kb;
}

void waitUntilShown(QWidget &w)
{
    w.show();
    while (!w.windowHandle() || !w.windowHandle()->isExposed()) QCoreApplication::processEvents();
    QCoreApplication::processEvents(); // the first paint
}

int runChild(int argc, char **argv, const char *what)
{
    QStandardPaths::setTestModeEnabled(true); // the user's own settings are never touched
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (std::strcmp(what, "kmtx") == 0) {
        MainWindow::prepareApplication(app);
        window = std::make_unique<MainWindow>();
    } else {
        window = std::make_unique<QWidget>();
        window->setFixedSize(1020, 714);
        // The least a Japanese window needs: the empty window with one line of Japanese.
        if (std::strcmp(what, "label") == 0) new QLabel(u"くみっとEX"_s, window.get());
    }
    waitUntilShown(*window);
    const long long shown = monotonicNs();
    std::printf("%lld %ld\n", shown, peakKb());
    std::fflush(stdout);
    return 0;
}

std::string g_self;

struct ChildRun {
    double shownSeconds = 0;
    long peakKb = 0;
};

// Starts this program as a child and reads when its window was shown and its peak memory
// up to then.
ChildRun startChild(const char *what)
{
    int fds[2];
    if (pipe(fds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::string child = "--child";
    std::string kind = what;
    char *args[] = {g_self.data(), child.data(), kind.data(), nullptr};
    pid_t pid = 0;
    const long long started = monotonicNs();
    if (posix_spawn(&pid, g_self.c_str(), &actions, nullptr, args, environ) != 0) return {};
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string out;
    char buffer[64];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    ChildRun run;
    long long shown = 0;
    long peak = 0;
    if (std::sscanf(out.c_str(), "%lld %ld", &shown, &peak) == 2) {
        run.shownSeconds = static_cast<double>(shown - started) / 1e9;
        run.peakKb = peak;
    }
    return run;
}

void startBenchmark(benchmark::State &state, const char *what)
{
    long peak = 0;
    for (auto _ : state) {
        const ChildRun run = startChild(what);
        state.SetIterationTime(run.shownSeconds);
        peak = std::max(peak, run.peakKb);
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / 1024.0;
}

void BM_Start_EmptyWindow(benchmark::State &state) { startBenchmark(state, "empty"); }
void BM_Start_Kmtx(benchmark::State &state) { startBenchmark(state, "kmtx"); }
void BM_Start_EmptyWindowWithOneJapaneseLabel(benchmark::State &state) { startBenchmark(state, "label"); }

QString memberLine(int i)
{
    // name, team, sex, era, year, month, day, age, play, leader, paste, spare
    return u"会員%1号,チーム%2,%3,昭和,%4,%5,%6,0,off,off,off,,"_s.arg(i + 1)
        .arg(i % 17 + 1)
        .arg(i % 3 == 0 ? u"女"_s : u"男"_s)
        .arg(i % 40 + 10)
        .arg(i % 12 + 1)
        .arg(i % 28 + 1);
}

QStringList roster(int members)
{
    QStringList lines;
    for (int i = 0; i < members; ++i) lines << memberLine(i);
    return lines;
}

// The window as an organiser has it: shown, with the roster listed.
struct Window {
    explicit Window(int members)
    {
        window.platform().answerBox = [](const QString &, const QString &, MsgIcon, MsgButtons buttons) {
            return buttons == MsgButtons::Ok ? int(IdOk) : int(IdYes);
        };
        waitUntilShown(window);
        form().MemberLines = form().SavedMemberLines = roster(members);
        form().Bunkatu();
        show();
    }
    TMainForm &form() { return window.form(); }
    // What follows every command in the window: the widgets take the form's state and the
    // changed parts of the pictures are painted.
    void show()
    {
        window.refresh();
        QCoreApplication::processEvents();
    }
    MainWindow window;
};

void BM_MarkClick(benchmark::State &state)
{
    Window w(300);
    w.form().Label42Click(); // 組み合わせ
    w.show();
    long long i = 0;
    for (auto _ : state) {
        // 出場設定 on a member, then 設定取消 on the same member, and so on down the list.
        const int row = static_cast<int>((i / 2) % 300);
        w.form().EditMode = i % 2 == 0 ? 4 : 8;
        w.form().Image1MouseDown(40, row * 28 + 10);
        w.show();
        ++i;
    }
}

void BM_AutoStartFourGroups(benchmark::State &state)
{
    Window w(300);
    w.form().Label42Click();
    w.form().N9Click(); // everybody plays
    w.show();
    for (auto _ : state) {
        w.form().typeInto("Edit16", u"4"_s);
        w.form().typeInto("Edit6", u"10"_s);
        w.form().Button1Click(); // おまかせ 「開始」
        w.show();
        state.PauseTiming();
        w.form().Button2Click(); // やり直し
        w.show();
        state.ResumeTiming();
    }
}

void BM_RegisterThe300thMember(benchmark::State &state)
{
    Window w(299);
    w.form().Label40Click(); // メンバー登録
    w.form().Label84Click(); // 追加登録
    w.show();
    for (auto _ : state) {
        w.form().typeInto("Edit1", u"山田花子"_s);
        w.form().typeInto("Edit2", u"緑会"_s);
        w.form().chooseItem("ComboBox1", 1);
        w.form().chooseItem("ComboBox2", 2);
        w.form().chooseItem("ComboBox3", 29);
        w.form().chooseItem("ComboBox4", 4);
        w.form().chooseItem("ComboBox5", 0);
        w.form().Button6Click(); // 「実行」
        w.show();
        state.PauseTiming();
        w.form().MemberLines.removeLast();
        w.form().SavedMemberLines = w.form().MemberLines;
        state.ResumeTiming();
    }
}

// Registers n members one by one into an empty roster: linear growth is the goal.
void BM_RegisterOneByOne(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<Window>(0);
        w->form().Label40Click();
        w->form().Label3Click(); // 新規登録
        w->show();
        state.ResumeTiming();
        for (int i = 0; i < n; ++i) {
            w->form().typeInto("Edit1", u"会員%1"_s.arg(i));
            w->form().typeInto("Edit2", u"緑会"_s);
            w->form().chooseItem("ComboBox1", i % 2);
            w->form().chooseItem("ComboBox2", 2);
            w->form().chooseItem("ComboBox3", 29);
            w->form().chooseItem("ComboBox4", 4);
            w->form().chooseItem("ComboBox5", 0);
            w->form().Button6Click();
            w->show();
        }
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}

// 300 members all playing, divided automatically into four groups of ten parties.
void combineIntoFourGroups(Window &w)
{
    w.form().Label42Click();
    w.form().N9Click();
    w.form().typeInto("Edit16", u"4"_s);
    w.form().typeInto("Edit6", u"10"_s);
    w.form().Button1Click();
    w.show();
}

void BM_GroupTab(benchmark::State &state)
{
    Window w(300);
    combineIntoFourGroups(w);
    long long i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            w.form().Label45Click(); // group tab B
        else
            w.form().Label46Click(); // group tab C
        w.show();
    }
}

// The same without the window: what the form's command costs by itself.
void BM_GroupTab_FormOnly(benchmark::State &state)
{
    Window w(300);
    combineIntoFourGroups(w);
    long long i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            w.form().Label45Click();
        else
            w.form().Label46Click();
    }
    w.show();
}

void BM_GroupTab_NoPaint(benchmark::State &state)
{
    Window w(300);
    combineIntoFourGroups(w);
    long long i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            w.form().Label45Click();
        else
            w.form().Label46Click();
        w.window.refresh();
    }
    w.show();
}

} // namespace

BENCHMARK(BM_Start_EmptyWindow)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Start_Kmtx)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Start_EmptyWindowWithOneJapaneseLabel)
    ->UseManualTime()
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarkClick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoStartFourGroups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegisterThe300thMember)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupTab)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegisterOneByOne)->Arg(75)->Arg(150)->Arg(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupTab_FormOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupTab_NoPaint)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) return runChild(argc, argv, argv[2]);
    g_self = argv[0];
    if (g_self.find('/') == std::string::npos) g_self = "/proc/self/exe";
    char resolved[4096];
    const ssize_t n = readlink("/proc/self/exe", resolved, sizeof resolved - 1);
    if (n > 0) g_self.assign(resolved, static_cast<size_t>(n));
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    MainWindow::prepareApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
