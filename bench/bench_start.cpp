// The start of くみっとEX, from launching the program to the end of its window's first
// paint, where the process ends (what Qt does at exit does not count), beside an empty
// 1020 × 714 window and the same window with one label "くみっとEX" in the program's face,
// all started the same way from the same program. Each iteration starts the three once, in
// turn first, so that they share the moment's load; the counters are medians over the
// iterations: the times (ms), the ratio of each iteration's program to its label window
// (x_label, with its range) and to its empty window (x_empty), the peak memory of each (MiB)
// and the program's peak beyond the label window's (over_label_MiB).
#include "StartChild.h"
#include "gui/MainWindow.h"
#include "tables/Canvas.h"
#include "tables/FontSubstitutes.h"

#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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

// Ends the process once the first paint of the window it watches is over: the window's own
// paint event comes first, its children are painted in the same pass, and a call queued
// then runs when the pass is done.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::printf("%lld %ld\n", monotonicNs(), peakKb());
                    std::fflush(stdout);
                    _exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

struct ChildRun {
    double seconds = -1;
    long peakKb = 0;
};

std::string selfPath()
{
    char resolved[4096];
    const ssize_t n = readlink("/proc/self/exe", resolved, sizeof resolved - 1);
    return n > 0 ? std::string(resolved, static_cast<size_t>(n)) : std::string("/proc/self/exe");
}

// Starts this program as a child and reads when its first paint ended and its peak memory.
ChildRun startChild(const char *what)
{
    static const std::string self = selfPath();
    int fds[2];
    if (pipe(fds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::string program = self;
    std::string child = "--child";
    std::string kind = what;
    char *args[] = {program.data(), child.data(), kind.data(), nullptr};
    pid_t pid = 0;
    const long long started = monotonicNs();
    const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        return {};
    }
    std::string out;
    char buffer[64];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    ChildRun run;
    long long painted = 0;
    long peak = 0;
    if (std::sscanf(out.c_str(), "%lld %ld", &painted, &peak) == 2) {
        run.seconds = static_cast<double>(painted - started) / 1e9;
        run.peakKb = peak;
    }
    return run;
}

double median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void BM_Start(benchmark::State &state)
{
    enum { Empty, Label, Program, Kinds };
    const char *const kinds[Kinds] = {"empty", "label", "kmtx"};
    std::array<std::vector<double>, Kinds> ms, peakMiB;
    std::vector<double> toLabel, toEmpty, overLabel;
    int turn = 0;
    for (auto _ : state) {
        std::array<ChildRun, Kinds> runs;
        for (int k = 0; k < Kinds; ++k) {
            const int kind = (turn + k) % Kinds;
            runs[kind] = startChild(kinds[kind]);
        }
        ++turn;
        for (int k = 0; k < Kinds; ++k) {
            if (runs[k].seconds < 0) {
                state.SkipWithError("a start failed");
                return;
            }
            ms[k].push_back(runs[k].seconds * 1000);
            peakMiB[k].push_back(static_cast<double>(runs[k].peakKb) / 1024);
        }
        state.SetIterationTime(runs[Program].seconds);
        toLabel.push_back(runs[Program].seconds / runs[Label].seconds);
        toEmpty.push_back(runs[Program].seconds / runs[Empty].seconds);
        overLabel.push_back(peakMiB[Program].back() - peakMiB[Label].back());
    }
    state.counters["empty_ms"] = median(ms[Empty]);
    state.counters["label_ms"] = median(ms[Label]);
    state.counters["kmtx_ms"] = median(ms[Program]);
    state.counters["x_label"] = median(toLabel);
    state.counters["x_label_min"] = *std::min_element(toLabel.begin(), toLabel.end());
    state.counters["x_label_max"] = *std::max_element(toLabel.begin(), toLabel.end());
    state.counters["x_empty"] = median(toEmpty);
    state.counters["empty_MiB"] = median(peakMiB[Empty]);
    state.counters["label_MiB"] = median(peakMiB[Label]);
    state.counters["kmtx_MiB"] = median(peakMiB[Program]);
    state.counters["over_label_MiB"] = median(overLabel);
}

} // namespace

BENCHMARK(BM_Start)->UseManualTime()->Iterations(21)->Unit(benchmark::kMillisecond);

int runStartChild(int argc, char **argv, const char *what)
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
        if (std::strcmp(what, "label") == 0) {
            // The least a Japanese window needs: one line of Japanese in the program's face.
            QFont font(tables::fonts::installedFamily(tables::fonts::proportionalGothic()));
            font.setPixelSize(13);
            QApplication::setFont(font);
            new QLabel(u"くみっとEX"_s, window.get());
        }
    }
    FirstPaint firstPaint;
    window->installEventFilter(&firstPaint);
    window->show();
    return app.exec();
}
