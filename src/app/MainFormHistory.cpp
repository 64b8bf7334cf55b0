// 元に戻す and 再実行, and the recovery copy: after every command the meeting is compared
// with what the last one left, as the data file's bytes; a change is a step to undo and a
// copy to keep.
#include "app/MainForm.h"

#include "app/RecoveryFolder.h"
#include "datafile/Files.h"
#include "datafile/MeetingFile.h"
#include "grouping/Counts.h"

#include <QFileInfo>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
// What "unsaved" compares with when the meeting on screen was never saved as it stands.
const QString kNeverSaved = u"\u0001"_s;

QByteArray bytesOf(const datafile::Meeting &meeting) { return datafile::write(meeting).bytes; }

// Entries on the score-entry screen: the field, the key and the label that records.
bool isScoreEntry(const QString &source)
{
    return source == u"Edit3"_s || source == u"Edit4"_s || source == u"Edit5"_s || source == u"Label55"_s;
}
} // namespace

// ---- Commands -------------------------------------------------------------------------------

void TMainForm::perform(const QString &source, const std::function<void()> &command)
{
    // A command run by another (a box's answer, a redraw) belongs to the outer one.
    if (m_commandDepth > 0) {
        command();
        return;
    }
    const StepPlace place = currentPlace();
    const QString label = stepLabel(source);
    const auto entryBefore = isScoreEntry(source) && isGroup(CurGroup)
                                 ? std::optional(ScoreSlots[groupIndex(CurGroup)][EntryRow][EntrySlot])
                                 : std::nullopt;
    ++m_commandDepth;
    try {
        command();
    } catch (...) {
        --m_commandDepth;
        keepChanges(source, label, place);
        throw;
    }
    --m_commandDepth;
    // An entry that emptied its place was a clear.
    QString done = label;
    if (entryBefore &&
        ScoreSlots[groupIndex(CurGroup)][place.entryRow][place.entrySlot] == ScoreSlot::cleared() &&
        !(*entryBefore == ScoreSlot::cleared()))
        done.replace(u"得点入力"_s, u"得点クリア"_s);
    keepChanges(source, done, place);
}

QString TMainForm::stepLabel(const QString &source)
{
    if (isScoreEntry(source) && isGroup(CurGroup))
        return u"得点入力 %1 %2組%3番"_s.arg(grouping::groupLetter(groupIndex(CurGroup)))
            .arg(EntryRow + 1)
            .arg(EntrySlot + 1);
    if (source == u"PhoneCard"_s) return m_phoneCardLabel;
    if (source == u"Image1"_s) {
        switch (EditMode) {
        case editmode::MovePick:
        case editmode::MovePlace: return u"メンバー移動"_s;
        case editmode::Delete: return u"メンバー削除"_s;
        case editmode::Play: return u"出場設定"_s;
        case editmode::Leader: return u"リーダ設定"_s;
        case editmode::Unmark: return u"設定取消"_s;
        default: return u"一覧表"_s;
        }
    }
    static const std::map<QString, QString> labels{
        {u"Button6"_s, u"メンバー登録"_s},
        {u"Button1"_s, u"おまかせで組み合せ"_s},
        {u"Button4"_s, u"自分で組み合せ"_s},
        {u"Button5"_s, u"入れ替え"_s},
        {u"Image28"_s, u"入れ替え"_s},
        {u"Edit7"_s, u"大会名"_s},
        {u"Edit8"_s, u"コース"_s},
        {u"Label40"_s, u"組み合わせの破棄"_s},
        {u"N16"_s, u"組み合わせデータをクリア"_s},
        {u"N18"_s, u"全ての得点をクリア"_s},
    };
    if (source == u"Button6"_s && registrationSelectorOn("Label4")) return u"メンバー修正"_s;
    if (const auto it = labels.find(source); it != labels.end()) return it->second;
    if (hasControl(source) && control(source).kind == ControlKind::MenuItem) {
        QString caption = control(source).text;
        return caption.remove(u'&');
    }
    return u"変更"_s;
}

void TMainForm::keepChanges(const QString &source, const QString &label, const StepPlace &place)
{
    if (Combining) {
        // 開始 … 完了 is one step, kept when it ends; 保存 writes nothing meanwhile either.
        if (m_combinationLabel.isEmpty()) {
            m_combinationLabel = label;
            m_combinationPlace = place;
        }
        showUndoEntries();
        return;
    }
    QString stepName = label;
    StepPlace before = place;
    if (!m_combinationLabel.isEmpty()) {
        stepName = std::exchange(m_combinationLabel, QString());
        before = m_combinationPlace;
    }
    datafile::Meeting meeting = meetingAsSaved();
    // Most commands change nothing that is saved: the stores share their texts with those
    // kept, so the comparison is quick, and the meeting is written only when it changed.
    if (m_known && meeting == m_knownMeeting && m_knownFile == DataFileName) {
        noteRecoveryFailure();
        showUndoEntries();
        return;
    }
    const datafile::WriteResult now = datafile::write(meeting);
    // A table drawn names the places in the score sections without a record changed: the
    // same meeting, neither a step nor a copy.
    datafile::Meeting sameScores = meeting;
    sameScores.scoreLines = m_knownMeeting.scoreLines;
    if (m_known && now.error.isEmpty() && ScoreSlots == m_knownSlots && sameScores == m_knownMeeting &&
        m_knownFile == DataFileName) {
        m_knownMeeting = std::move(meeting);
        m_knownBytes = now.bytes;
        noteRecoveryFailure();
        showUndoEntries();
        return;
    }
    // A text the data file cannot hold (refused by 保存 with its own message) is no state
    // to go back to; the step is taken once the text is one the file holds.
    if (now.error.isEmpty() && m_known && now.bytes != m_knownBytes) {
        const bool typing = source == u"Edit7"_s || source == u"Edit8"_s;
        History.record(
            {stepName, m_knownBytes, now.bytes, before, currentPlace(), typing ? source : QString()});
    }
    if (now.error.isEmpty()) {
        const bool changed = m_known && (now.bytes != m_knownBytes || m_knownFile != DataFileName);
        m_knownMeeting = std::move(meeting);
        m_knownBytes = now.bytes;
        m_knownSlots = ScoreSlots;
        m_knownFile = DataFileName;
        m_known = true;
        if (changed) keepRecoveryCopy();
    }
    noteRecoveryFailure();
    showUndoEntries();
}

void TMainForm::noteRecoveryFailure()
{
    if (RecoveryFolder *folder = platform.recoveryFolder(); folder && !m_recoveryNoticeShown) {
        if (const std::optional<QString> failure = folder->takeFailure()) {
            m_recoveryNoticeShown = true;
            platform.messageBox(
                u"作業の控え（異常終了したときの復元用）を書き込めません。作業はこのまま続けられますが、"
                u"こまめに保存して下さい。\n"_s +
                    *failure,
                u"くみっとEX"_s, MsgIcon::Warning, MsgButtons::Ok);
        }
    }
}

void TMainForm::keepRecoveryCopy()
{
    if (RecoveryFolder *folder = platform.recoveryFolder()) folder->keep(m_knownBytes, DataFileName);
}

void TMainForm::startFreshHistory()
{
    History.clear();
    m_combinationLabel.clear();
    m_knownMeeting = meetingAsSaved();
    m_knownSlots = ScoreSlots;
    const datafile::WriteResult now = datafile::write(m_knownMeeting);
    m_known = now.error.isEmpty();
    m_knownBytes = now.bytes;
    m_knownFile = DataFileName;
    // The meeting as it now stands is its file, or nothing yet worth a copy.
    if (RecoveryFolder *folder = platform.recoveryFolder()) folder->remove();
    showUndoEntries();
}

void TMainForm::endCleanly()
{
    if (RecoveryFolder *folder = platform.recoveryFolder()) folder->remove();
}

// ---- 元に戻す and 再実行 ----------------------------------------------------------------------

void TMainForm::showUndoEntries()
{
    Control &undo = control("Undo");
    Control &redo = control("Redo");
    undo.enabled = !Combining && History.canUndo();
    redo.enabled = !Combining && History.canRedo();
    undo.text = undo.enabled ? u"元に戻す："_s + History.nextUndo().label : u"元に戻す"_s;
    redo.text = redo.enabled ? u"再実行："_s + History.nextRedo().label : u"再実行"_s;
}

void TMainForm::UndoClick() // 編集 › 元に戻す
{
    if (Combining || !History.canUndo()) return;
    const HistoryStep &step = History.undo();
    restoreStep(step.before, step.placeBefore);
}

void TMainForm::RedoClick() // 編集 › 再実行
{
    if (Combining || !History.canRedo()) return;
    const HistoryStep &step = History.redo();
    restoreStep(step.after, step.placeAfter);
}

void TMainForm::restoreStep(const QByteArray &bytes, const StepPlace &place)
{
    const datafile::ReadResult read = datafile::read(bytes);
    if (const auto *error = std::get_if<datafile::ReadError>(&read)) {
        // Bytes this program wrote always read back; should they not, nothing changes.
        platform.messageBox(error->message(), u"警告"_s, MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    const datafile::Meeting &meeting = std::get<datafile::Meeting>(read);
    // On the 組み合わせ screen the meeting shows as an opened one does.
    if (place.screen == screen::Combination && Screen != screen::Combination) Label42Click();
    loadMeeting(meeting, DataFileName);
    control("Edit7").text = meeting.tournamentName;
    goToPlace(place);
    m_knownMeeting = meetingAsSaved();
    m_knownSlots = ScoreSlots;
    m_knownBytes = bytesOf(m_knownMeeting);
    m_knownFile = DataFileName;
    m_known = true;
    keepRecoveryCopy();
    showUndoEntries();
}

StepPlace TMainForm::currentPlace() const
{
    return {Screen, TableMode, TableKind, CurGroup, EntryRow, EntrySlot};
}

void TMainForm::goToPlace(const StepPlace &place)
{
    const auto groupTabOf = [this, &place] {
        if (isGroup(place.group) && combinationExists()) groupTab(groupNumber(place.group));
    };
    switch (place.screen) {
    case screen::Registration:
        // The registration screen holds no combination; one that came back stays stored.
        if (Screen != screen::Registration && !combinationExists()) Label40Click();
        return;
    case screen::Combination:
        if (isGroup(place.group) && combinationExists())
            groupTab(groupNumber(place.group));
        else
            CurGroup = place.group;
        return;
    default: break;
    }
    Label64Click();
    switch (place.tableMode) {
    case tablekind::ScoreEntry:
        Label54Click();
        groupTabOf();
        if (CurGroup == place.group && TableMode == tablekind::ScoreEntry)
            moveEntryCursor(place.entryRow, place.entrySlot);
        break;
    case tablekind::CombinationTable:
        Label53Click();
        groupTabOf();
        break;
    case tablekind::ScoreSheet:
        Label43Click();
        groupTabOf();
        break;
    case tablekind::ScoreCheck:
        ScoreCheckClick();
        groupTabOf();
        break;
    case tablekind::ResultLandscape:
    case tablekind::ResultPortrait: Label60Click(); break;
    case tablekind::MemberLandscape:
    case tablekind::MemberPortrait: Label56Click(); break;
    default: break;
    }
}

// ---- The recovery copy at start -------------------------------------------------------------

void TMainForm::offerRecovery()
{
    RecoveryFolder *folder = platform.recoveryFolder();
    if (!folder) return;
    const QByteArray empty = bytesOf(datafile::Meeting{});
    for (const RecoveryCopy &copy : folder->leftBehind()) {
        const datafile::ReadResult read = datafile::read(copy.bytes);
        bool differs = std::holds_alternative<datafile::Meeting>(read);
        if (differs && copy.filePath.isEmpty()) {
            differs = copy.bytes != empty;
        } else if (differs) {
            const datafile::FileBytes file = datafile::readFileBytes(copy.filePath, true);
            differs = file.failure != datafile::FileBytes::Failure::None || file.bytes != copy.bytes;
        }
        // A copy that holds nothing beyond its file (or cannot be read) is kept aside unasked.
        if (!differs) {
            folder->setAside(copy);
            continue;
        }
        const QString file = copy.filePath.isEmpty() ? u"新しい大会"_s : QFileInfo(copy.filePath).fileName();
        const QString question = u"前回、保存しないまま終了した作業があります（%1、%2）。復元しますか"_s.arg(
            copy.written.toString(u"yyyy/MM/dd HH:mm"_s), file);
        if (platform.messageBox(question, u"くみっとEX"_s, MsgIcon::Question, MsgButtons::YesNo) != IdYes) {
            folder->setAside(copy);
            continue;
        }
        const datafile::Meeting &meeting = std::get<datafile::Meeting>(read);
        loadMeeting(meeting, copy.filePath);
        control("Edit7").text = meeting.tournamentName;
        SavedFingerprint = kNeverSaved; // unsaved work, tied to its file
        startFreshHistory();
        keepRecoveryCopy();
        // The left copy is put aside once this program's own copy holds the work.
        folder->waitUntilWritten();
        folder->setAside(copy);
        return;
    }
}
