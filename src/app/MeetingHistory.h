#pragma once
// The steps 元に戻す and 再実行 walk: each command that changed the meeting, kept as the
// data file's bytes before and after it, with the screen it was made on and the screen it
// left, and a name for the menu ("得点入力 A 3組2番").

#include "app/AppLayer.h"
#include "app/Modes.h"

#include <QByteArray>
#include <QString>
#include <deque>

// Where a step was made: the screen, the table on it, the group and the entry cursor.
struct StepPlace {
    ::screen screen = ::screen::None;
    tablekind tableMode = tablekind::None;
    tablekind tableKind = tablekind::None;
    curgroup group = curgroup::None;
    int entryRow = 0;
    int entrySlot = 0;
};

struct HistoryStep {
    QString label;
    QByteArray before;
    QByteArray after;
    StepPlace placeBefore;
    StepPlace placeAfter;
    QString mergeKey; // typing into one field again extends the step (the field's name)
};

class MeetingHistory
{
public:
    static constexpr int MaxSteps = 200;

    // Forgets every step (a meeting opened, begun anew or closed).
    void clear();
    // A new step; the steps that could be redone are dropped. A step whose merge key is
    // the last one's, with nothing undone between, extends that step instead.
    void record(HistoryStep step);
    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // The step the next 元に戻す takes back, or 再実行 makes again.
    const HistoryStep &nextUndo() const { return m_steps[m_done - 1]; }
    const HistoryStep &nextRedo() const { return m_steps[m_done]; }
    // Moves over a step: the caller restores its `before` (undo) or `after` (redo).
    const HistoryStep &undo();
    const HistoryStep &redo();
    std::size_t size() const { return m_steps.size(); }

private:
    std::deque<HistoryStep> m_steps;
    std::size_t m_done = 0; // steps 0 .. m_done-1 are in effect
    bool m_mayMerge = false;
};
