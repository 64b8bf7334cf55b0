#include "app/MeetingHistory.h"

void MeetingHistory::clear()
{
    m_steps.clear();
    m_done = 0;
    m_mayMerge = false;
}

void MeetingHistory::record(HistoryStep step)
{
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_done), m_steps.end());
    if (m_mayMerge && !step.mergeKey.isEmpty() && !m_steps.empty() &&
        m_steps.back().mergeKey == step.mergeKey) {
        m_steps.back().after = std::move(step.after);
        m_steps.back().placeAfter = step.placeAfter;
        return;
    }
    m_steps.push_back(std::move(step));
    if (m_steps.size() > MaxSteps) m_steps.pop_front();
    m_done = m_steps.size();
    m_mayMerge = true;
}

const HistoryStep &MeetingHistory::undo()
{
    m_mayMerge = false;
    return m_steps[--m_done];
}

const HistoryStep &MeetingHistory::redo()
{
    m_mayMerge = false;
    return m_steps[m_done++];
}
