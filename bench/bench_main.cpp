// Benchmarks of くみっとEX on the real screen pictures, offscreen, with 300 members: the
// commands an organiser repeats (a mark click, おまかせ 開始 into 4 groups, registering the
// 300th member, a group tab), each with the refresh and painting of the window. The start
// is measured in bench_start.cpp.
//
//   kmtx_bench                            the table of every benchmark
//   kmtx_bench --child kmtx|empty|label   one start (used by the start benchmark)
#include "StartChild.h"
#include "gui/MainWindow.h"

#include <QApplication>
#include <QStandardPaths>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

void waitUntilShown(QWidget &w)
{
    w.show();
    while (!w.windowHandle() || !w.windowHandle()->isExposed()) QCoreApplication::processEvents();
    QCoreApplication::processEvents(); // the first paint
}

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
        w.form().EditMode = i % 2 == 0 ? editmode::Play : editmode::Unmark;
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

BENCHMARK(BM_MarkClick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoStartFourGroups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegisterThe300thMember)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupTab)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegisterOneByOne)->Arg(75)->Arg(150)->Arg(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupTab_FormOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupTab_NoPaint)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) return runStartChild(argc, argv, argv[2]);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    MainWindow::prepareApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
