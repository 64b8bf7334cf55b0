// A score entry with 300 members on the roster and group A's twelve parties of eight: the
// command alone, through the form's command entry that keeps the undo step, and with the
// recovery copy handed to its writer as well. The copy is written on the writer's thread;
// what is measured is the window thread's work.
#include "FullMeeting.h"
#include "app/MainForm.h"
#include "app/RecoveryFolder.h"
#include "gui/QtPlatform.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

enum Keeping { CommandAlone, WithUndo, WithUndoAndRecovery };

struct EntryFixture {
    explicit EntryFixture(Keeping keeping)
    {
        platform.answerBox = [](const QString &, const QString &, MsgIcon, MsgButtons) { return int(IdOk); };
        if (keeping == WithUndoAndRecovery)
            platform.recovery = std::make_unique<RecoveryFolder>(folder.filePath(u"recovery"_s));
        form.FormCreate();
        storeFullGroupA(form, u"on"_s);
        form.Label54Click();
        form.groupTab(1);
        form.startFreshHistory();
    }

    QTemporaryDir folder;
    QtPlatform platform;
    TMainForm form{platform};
};

// Enters a score into place 3組2番 and clears it again, by turns: both change the meeting.
void BM_ScoreEntry(benchmark::State &state)
{
    const auto keeping = static_cast<Keeping>(state.range(0));
    EntryFixture f(keeping);
    bool clear = false;
    for (auto _ : state) {
        const auto entry = [&f, clear] {
            f.form.moveEntryCursor(2, 1);
            if (clear) {
                f.form.entryFieldKey(u"Edit3"_s, 46);
                return;
            }
            f.form.typeInto("Edit3", u"1"_s);
            f.form.typeInto("Edit4", u"2"_s);
            f.form.typeInto("Edit5", u"30"_s);
            f.form.Label55Click();
        };
        if (keeping == CommandAlone)
            entry();
        else
            f.form.perform(u"Edit5"_s, entry);
        clear = !clear;
    }
    if (f.platform.recovery) f.platform.recovery->waitUntilWritten();
    state.SetLabel(keeping == CommandAlone ? "command alone"
                   : keeping == WithUndo   ? "with undo"
                                           : "with undo and recovery copy");
}
BENCHMARK(BM_ScoreEntry)
    ->Arg(CommandAlone)
    ->Arg(WithUndo)
    ->Arg(WithUndoAndRecovery)
    ->Unit(benchmark::kMicrosecond);

} // namespace
