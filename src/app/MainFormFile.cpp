// The meeting's data file (ファイル › 保存, 開く and the recent files), unsaved work,
// and the built-in test data (オプション › テスト用擬似データ読み出し).
#include "app/MainForm.h"

#include "datafile/Files.h"
#include "datafile/MeetingFile.h"
#include "datafile/ScoreLines.h"
#include "datafile/TestData.h"
#include "grouping/KumiLine.h"
#include "text/Cp932.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace testdata = datafile::testdata;

namespace {
const QString kRecentSection = u"RecentFiles"_s;
constexpr int kRecentMax = 4;
const char *const kRecentEntries[kRecentMax] = {"Recent1", "Recent2", "Recent3", "Recent4"};
const char *const kGroupTabs[grouping::Groups] = {"Label44", "Label45", "Label46", "Label47"};

QString documentsFolder() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

void refuseCombining(TMainForm &form)
{
    form.platform.messageBox(u"完了を押して下さい"_s, u"組み合わせ中です"_s, MsgIcon::Information,
                             MsgButtons::Ok);
}

// A member line as it reads: the same member gives the same text whichever shape its line has.
QString normalisedMemberLine(const QString &line, int thisYear, int todayMonthDay)
{
    Member m = Member::startValue();
    roster::splitInto(line, m);
    roster::recomputeAge(m, thisYear, todayMonthDay);
    m.Spare.clear();
    return roster::rebuildLine(m);
}

QString figure(const QString &text) { return text.isEmpty() ? u"0"_s : text; }
} // namespace

// ---- Saving ------------------------------------------------------------------------

void TMainForm::Tensave()
{
    KumiSlotText = placedSlotTexts();
    ScoreLines = datafile::buildScoreLines(ScoreSlots, KumiSlotText);
}

datafile::Meeting TMainForm::currentMeeting() const
{
    datafile::Meeting m;
    m.memberLines = SavedMemberLines;
    for (int g = 0; g < grouping::Groups; ++g) {
        m.kumiLines[g] = KumiLines[g];
        m.groupLists[g] = GroupList[g];
        m.scoreLines[g] = ScoreLines[g];
    }
    m.tournamentName = m_controls.at(u"Edit7"_s).text;
    m.courseName = m_controls.at(u"Edit8"_s).text;
    // The 組み合わせ screen forgets how the stored combination was made; its filled group
    // lists still tell, and the file must say so or the parties open against the roster.
    m.origin = AutoMade == 1 || (HandMade != 1 && m.dividedAutomatically()) ? 100 : 0;
    return m;
}

datafile::Meeting TMainForm::meetingAsSaved() const
{
    datafile::Meeting m = currentMeeting();
    m.scoreLines = datafile::buildScoreLines(ScoreSlots, placedSlotTexts());
    return m;
}

void TMainForm::N7Click() // ファイル › 保存
{
    saveMeeting();
}

void TMainForm::SaveInPlaceClick() // ファイル › 上書き保存
{
    saveMeeting(true);
}

bool TMainForm::saveMeeting(bool inPlace)
{
    if (Combining) {
        refuseCombining(*this);
        return false;
    }
    // The particulars are checked before anything is built or asked.
    const std::pair<const char *, QString> particulars[] = {{"Edit7", u"大会名"_s}, {"Edit8", u"コース"_s}};
    for (const auto &[field, label] : particulars) {
        if (const auto bad = text::cp932::firstUnencodable(control(field).text)) {
            platform.messageBox(
                u"%1に保存できない文字「%2」があります。別の文字に直して下さい"_s.arg(label, *bad), u"警告"_s,
                MsgIcon::Warning, MsgButtons::Ok);
            return false;
        }
    }
    Tensave();
    scrollListTo(0);
    const datafile::WriteResult file = datafile::write(currentMeeting());
    if (!file.error.isEmpty()) {
        platform.messageBox(u"保存できません。\n"_s + file.error, u"警告"_s, MsgIcon::Error, MsgButtons::Ok);
        return false;
    }

    // A meeting without a file of its own is given a name first.
    std::optional<QString> path;
    if (inPlace && !DataFileName.isEmpty()) {
        path = DataFileName;
    } else {
        FileDialogSpec spec;
        spec.title = u"データー保存"_s;
        spec.filter = u"テキストファイル (*.txt)"_s;
        spec.startFolder = documentsFolder();
        spec.defaultSuffix = u"txt"_s;
        spec.confirmOverwrite = true;
        path = platform.saveFileName(spec);
        if (!path) return false;
    }

    // The old file is replaced only once the new one is written whole.
    datafile::WholeFile out(*path, true);
    if (!out.open() || !out.write(file.bytes) || !out.commit()) {
        platform.messageBox(u"ファイルに保存できませんでした。前のファイルはそのままです。\n%1\n%2"_s.arg(
                                QDir::toNativeSeparators(*path), out.reason()),
                            u"警告"_s, MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    DataFileName = *path;
    platform.setCaption(QDir::toNativeSeparators(DataFileName));
    markMeetingSaved();
    rememberRecentFile(DataFileName);
    return true;
}

// ---- Opening -----------------------------------------------------------------------

void TMainForm::TenRead()
{
    TokutenClr(scoreclear::AllGroups);
    // The lines were checked when the file was read; damaged lines change nothing.
    datafile::applyScoreLines(ScoreLines, ScoreSlots, KumiSlotText);
}

bool TMainForm::mayOpen()
{
    scrollListTo(0);
    if (Screen >= screen::ScoreSheet && Screen <= screen::TableChoice) {
        platform.messageBox(u"メンバー登録・組み合わせ以外は開けません"_s, u"警告"_s, MsgIcon::Warning,
                            MsgButtons::Ok);
        return false;
    }
    if (Combining) {
        refuseCombining(*this);
        return false;
    }
    if (Screen != screen::Registration && Screen != screen::Combination) return false;
    return unsavedWorkHandled();
}

void TMainForm::N3Click() // ファイル › 開く
{
    if (!mayOpen()) return;
    FileDialogSpec spec;
    spec.title = u"データー開く"_s;
    spec.filter = u"テキストファイル (*txt)"_s;
    spec.startFolder = documentsFolder();
    const std::optional<QString> path = platform.openFileName(spec);
    if (!path) return; // a cancelled dialog changes nothing
    openMeetingFile(*path);
}

bool TMainForm::openMeetingFile(const QString &path)
{
    const datafile::FileBytes file = datafile::readFileBytes(path, true);
    QString refusal;
    switch (file.failure) {
    case datafile::FileBytes::Failure::None: break;
    case datafile::FileBytes::Failure::Open:
        refusal = u"ファイルを開けません。\n%1\n%2"_s.arg(QDir::toNativeSeparators(path), file.reason);
        break;
    case datafile::FileBytes::Failure::Read:
        refusal = u"ファイルを読めません。\n%1\n%2"_s.arg(QDir::toNativeSeparators(path), file.reason);
        break;
    case datafile::FileBytes::Failure::TooLarge:
        refusal = datafile::ReadError::tooManyBytes().message();
        break;
    }
    if (!refusal.isEmpty()) {
        platform.messageBox(refusal, u"警告"_s, MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    const QByteArray &bytes = file.bytes;
    const datafile::ReadResult result = datafile::read(bytes);
    if (const auto *error = std::get_if<datafile::ReadError>(&result)) {
        platform.messageBox(error->message(), u"警告"_s, MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    applyMeeting(std::get<datafile::Meeting>(result), path);
    return true;
}

void TMainForm::applyMeeting(const datafile::Meeting &meeting, const QString &path)
{
    loadMeeting(meeting, path);
    markMeetingSaved();
    rememberRecentFile(path);
    startFreshHistory();
}

void TMainForm::loadMeeting(const datafile::Meeting &meeting, const QString &path)
{
    resetCombination(); // the やり直し reset
    MemberLines = meeting.memberLines;
    for (int g = 0; g < grouping::Groups; ++g) {
        KumiLines[g] = meeting.kumiLines[g];
        GroupList[g] = meeting.groupLists[g];
        ScoreLines[g] = meeting.scoreLines[g];
    }
    control("Edit8").text = meeting.courseName;
    SavedMemberLines = MemberLines;
    AutoMade = meeting.dividedAutomatically() ? 1 : 0;
    HandMade = 1 - AutoMade;
    DataFileName = path;
    platform.setCaption(QDir::toNativeSeparators(DataFileName));
    control("Edit7").text = datafile::tournamentNameOf(meeting, path);
    CurGroup = curgroup::None;
    for (const char *tab : kGroupTabs) control(tab).colour = colours::Cream;

    TokutenClr(scoreclear::AllGroups);
    for (Member &m : Members) {
        m.PlayMark = m.LeaderMark = m.PasteMark = u"off"_s;
        m.Spare.clear();
    }
    Bunkatu();
    if (Screen == screen::Combination) {
        HalMark(listmarks::WithPasteMarks);
        Ninzu();
        CurGroup = curgroup::A;
    }
    showCombinationCounts();
    TenRead();
}

// ---- Recent files ------------------------------------------------------------------

void TMainForm::loadRecentFiles()
{
    RecentFiles = platform.settings().readList(kRecentSection).mid(0, kRecentMax);
    showRecentFiles();
}

void TMainForm::rememberRecentFile(const QString &path)
{
    RecentFiles.removeAll(path);
    RecentFiles.prepend(path);
    while (RecentFiles.size() > kRecentMax) RecentFiles.removeLast();
    platform.settings().writeList(kRecentSection, RecentFiles);
    showRecentFiles();
}

void TMainForm::showRecentFiles()
{
    for (int i = 0; i < kRecentMax; ++i) {
        Control &entry = control(kRecentEntries[i]);
        entry.visible = i < RecentFiles.size();
        // The path as the system writes it; an "&" of it is shown as it is, not taken as the
        // entry's shortcut.
        entry.text = entry.visible ? u"&%1 %2"_s.arg(i + 1).arg(
                                         QDir::toNativeSeparators(RecentFiles.at(i)).replace(u'&', u"&&"_s))
                                   : QString();
    }
}

void TMainForm::openRecent(int index)
{
    if (index < 0 || index >= RecentFiles.size() || !mayOpen()) return;
    const QString path = RecentFiles.at(index);
    if (!openMeetingFile(path) && !QFile::exists(path)) {
        // A file that is gone leaves the list.
        RecentFiles.removeAll(path);
        platform.settings().writeList(kRecentSection, RecentFiles);
        showRecentFiles();
    }
}

void TMainForm::Recent1Click() { openRecent(0); } // ファイル › the last file opened or saved
void TMainForm::Recent2Click() { openRecent(1); } // … the one before
void TMainForm::Recent3Click() { openRecent(2); }
void TMainForm::Recent4Click() { openRecent(3); }

// ---- Unsaved work ------------------------------------------------------------------

QString TMainForm::meetingFingerprint() const
{
    QStringList parts;
    for (const QString &line : SavedMemberLines) parts << normalisedMemberLine(line, ThisYear, TodayMonthDay);
    for (int g = 0; g < grouping::Groups; ++g) {
        parts << u"$kumi"_s;
        for (const QStringList &party : grouping::kumiline::load(KumiLines[g])) parts << party.join(u',');
        parts << u"$group"_s;
        for (const QString &line : GroupList[g]) parts << normalisedMemberLine(line, ThisYear, TodayMonthDay);
    }
    // The tournament and course names are saved with the meeting: a change is unsaved work.
    parts << u"$names"_s << m_controls.at(u"Edit7"_s).text << m_controls.at(u"Edit8"_s).text;
    parts << u"$scores"_s;
    for (const auto &group : ScoreSlots)
        for (const auto &party : group)
            for (const ScoreSlot &r : party)
                parts << figure(r.Entries) + u',' + figure(r.OneStrokes) + u',' + figure(r.TwoStrokes) +
                             u',' + figure(r.Total);
    return parts.join(u'\n');
}

void TMainForm::markMeetingSaved() { SavedFingerprint = meetingFingerprint(); }

bool TMainForm::meetingChanged() const { return meetingFingerprint() != SavedFingerprint; }

bool TMainForm::unsavedWorkHandled()
{
    if (!meetingChanged()) return true;
    const int answer =
        platform.messageBox(u"メンバー・組み合わせ・得点の変更が保存されていません。保存しますか"_s,
                            u"データー保存"_s, MsgIcon::Warning, MsgButtons::YesNoCancel);
    // はい saves where the meeting came from, as 上書き保存 does.
    if (answer == IdYes) return saveMeeting(true);
    return answer == IdNo;
}

// ---- Test data ---------------------------------------------------------------------

void TMainForm::N27Click() // オプション › テスト用擬似データ読み出し › 擬似メンバー読み出し
{
    if (Screen != screen::Combination) {
        platform.messageBox(u"「組み合わせ」以外は読み出し出来ません"_s, u"警告"_s, MsgIcon::Warning,
                            MsgButtons::Ok);
        return;
    }
    if (MemberCount() > 0) {
        const QString question =
            u"登録されている%1名のメンバーを消去して、擬似メンバーを読み出しますか"_s.arg(MemberCount());
        if (platform.messageBox(question, u"擬似メンバー読み出し"_s, MsgIcon::Question, MsgButtons::YesNo) !=
            IdYes)
            return;
    }
    TokutenClr(scoreclear::AllGroups);
    MemberLines.clear();
    SavedMemberLines.clear();
    scrollListTo(0);
    const QStringList lines = testdata::sampleMemberLines();
    control("Edit7").text = testdata::TournamentName;
    control("Edit8").text = testdata::CourseName;
    MemberLines = lines;
    SavedMemberLines = lines;
    Hajime(); // rules the member list afresh too
    Bunkatu();
    Ninzu(); // the counts follow the new roster: nobody plays yet
    CurGroup = curgroup::None;
    for (const char *tab : kGroupTabs) control(tab).colour = colours::Cream;
}

void TMainForm::N28Click() // オプション › テスト用擬似データ読み出し › 擬似得点読み出し
{
    if (TableMode != tablekind::ScoreEntry) {
        platform.messageBox(u"「得点入力」以外は使えません"_s, u"警告"_s, MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    Rng.seed(static_cast<std::uint32_t>(platform.now().toSecsSinceEpoch()));
    if (!isGroup(CurGroup)) return;
    const int g = groupIndex(CurGroup);
    for (int k = 0; k < PartiesMax; ++k) {
        for (int s = 0; s < SlotsMax; ++s) {
            if (KumiSlotText[g][k][s].isEmpty()) break;
            ScoreSlots[g][k][s] = testdata::sampleScore(Rng.next());
        }
    }
    // The score-entry screen shows every cell again.
    Label36Click();
}
