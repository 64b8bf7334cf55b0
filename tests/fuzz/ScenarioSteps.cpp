// The steps of a scenario and the checks after each of them.
//
// A step is one thing a user does: a command (every menu entry, tab, button and label the
// window has), a click on the member list, a party panel or the table picture, typing into
// a field, a key in an entry field, a choice in a selection list, or readying the answers of
// the next boxes and dialogs (はい/いいえ, a file to open or save: one the session saved, a
// copy of it with bytes changed, a meeting or hostile file of the tests, a missing file, a
// folder, or a cancelled dialog).
//
// After every step:
// - the roster (who the members are), their marks, the combination and the scores changed
//   only through a command that changes them, and a command that asks first changed them
//   only when a question was answered はい;
// - a file the step saved reads back as the meeting saved, and opened in another window it
//   gives the same stores;
// - no box is empty;
// - a table drawn of a group names the players its stored parties place, read against the
//   list the data file numbers them by, whatever screens led there.
// The sanitizers of the build report anything else.
#include "fuzz/ScenarioSteps.h"

#include "app/MainForm.h"
#include "datafile/MeetingFile.h"
#include "grouping/KumiLine.h"
#include "gui/LayoutTable.h"
#include "support/FakePlatform.h"
#include "tables/MeetingTables.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>

using namespace Qt::StringLiterals;

namespace scenario {

namespace {

long long g_steps = 0;

// A window just started, whose stores hold nothing.
const TMainForm &emptyForm()
{
    static FakePlatform platform;
    static TMainForm form(platform);
    static const bool started = (form.FormCreate(), true);
    (void)started;
    return form;
}

// With KMTX_SCENARIO_LEARN set, store changes are listed at the end instead of failing: what
// each step changed, with and without a question answered はい.
std::map<QString, int> *g_learnt = nullptr;

void printLearnt()
{
    for (const auto &[what, stores] : *g_learnt)
        std::fprintf(stderr, "learnt: %s -> %d\n", qPrintable(what), stores);
}

// The bytes of the session, read from the front; past the end every read gives 0.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes) {}
    bool done() const { return m_at >= m_bytes.size(); }
    int byte() { return done() ? 0 : quint8(m_bytes.at(m_at++)); }
    int below(int n) { return n <= 1 ? 0 : word() % n; }
    int word()
    {
        const int high = byte(); // read in order: the fuzzer and the replay must agree
        return high << 8 | byte();
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_at = 0;
};

// What the checks watch.
enum Store { Roster = 1, Marks = 2, Combination = 4, Scores = 8 };

using Handler = void (TMainForm::*)();
struct Command {
    const char *name;
    Handler handler;
    int changes = 0;       // the stores it may change without asking
    int afterYes = 0;      // the stores it may change once a question is answered はい
    bool discards = false; // it replaces a combination or scores there are only after asking
};

// clang-format off
const Command kCommands[] = {
    // screen tabs and group tabs
    {"Label40", &TMainForm::Label40Click, 0, Combination | Scores, true}, {"Label42", &TMainForm::Label42Click},
    {"Label64", &TMainForm::Label64Click}, {"Label54", &TMainForm::Label54Click},
    {"Label44", &TMainForm::Label44Click}, {"Label45", &TMainForm::Label45Click},
    {"Label46", &TMainForm::Label46Click}, {"Label47", &TMainForm::Label47Click},
    // registration and list edits
    {"Label3", &TMainForm::Label3Click, Roster | Marks, 0}, {"Label84", &TMainForm::Label84Click},
    {"Label4", &TMainForm::Label4Click}, {"Button6", &TMainForm::Button6Click, Roster | Marks, 0},
    {"Label5", &TMainForm::Label5Click}, {"Label6", &TMainForm::Label6Click},
    {"Label22", &TMainForm::Label22Click},
    // marks
    {"Label75", &TMainForm::Label75Click}, {"Label76", &TMainForm::Label76Click},
    {"Label77", &TMainForm::Label77Click}, {"N9", &TMainForm::N9Click, Marks, 0}, {"N10", &TMainForm::N10Click, Marks, 0},
    {"A3", &TMainForm::A3Click}, {"B3", &TMainForm::B3Click}, {"C3", &TMainForm::C3Click},
    {"D3", &TMainForm::D3Click}, {"N33", &TMainForm::N33Click},
    // combination
    {"Button1", &TMainForm::Button1Click, Combination | Scores, Combination | Scores, true}, {"Button10", &TMainForm::Button10Click},
    {"Button2", &TMainForm::Button2Click, Marks, Combination | Scores | Marks, true}, {"Button4", &TMainForm::Button4Click, Marks},
    {"Button9", &TMainForm::Button9Click}, {"Label78", &TMainForm::Label78Click},
    {"Label79", &TMainForm::Label79Click}, {"Edit16", &TMainForm::Edit16Click},
    {"Edit6", &TMainForm::Edit6Click}, {"CheckCombination", &TMainForm::CheckCombinationClick},
    {"N16", &TMainForm::N16Click, 0, Combination | Scores, true},
    // tables, particulars, pages, swapping, printing
    {"Label53", &TMainForm::Label53Click}, {"Label43", &TMainForm::Label43Click},
    {"Label60", &TMainForm::Label60Click}, {"Label56", &TMainForm::Label56Click},
    {"GroupBox1", &TMainForm::GroupBox1Click}, {"Button8", &TMainForm::Button8Click},
    {"Button7", &TMainForm::Button7Click}, {"UpDown1", &TMainForm::UpDown1Click},
    {"CheckBox1", &TMainForm::CheckBox1Click}, {"CheckBox3", &TMainForm::CheckBox3Click},
    {"N41", &TMainForm::N41Click}, {"N45", &TMainForm::N45Click}, {"Button3", &TMainForm::Button3Click},
    {"Button5", &TMainForm::Button5Click, Combination, 0}, {"N21", &TMainForm::N21Click},
    {"PrintPreview", &TMainForm::PrintPreviewClick}, {"SavePdf", &TMainForm::SavePdfClick},
    {"PrintAll", &TMainForm::PrintAllClick}, {"CsvExport", &TMainForm::CsvExportClick},
    // score entry and clearing
    {"Label36", &TMainForm::Label36Click}, {"Label55", &TMainForm::Label55Click, Scores, 0},
    {"MissingList", &TMainForm::MissingListClick}, {"N18", &TMainForm::N18Click, 0, Scores},
    {"A1", &TMainForm::A1Click, 0, Scores}, {"B1", &TMainForm::B1Click, 0, Scores}, {"C1", &TMainForm::C1Click, 0, Scores},
    {"D1", &TMainForm::D1Click, 0, Scores}, {"N28", &TMainForm::N28Click, Scores, 0},
    // options and settings
    {"N20", &TMainForm::N20Click}, {"N29", &TMainForm::N29Click}, {"N31", &TMainForm::N31Click},
    {"N32", &TMainForm::N32Click}, {"N35", &TMainForm::N35Click}, {"N36", &TMainForm::N36Click},
    {"N47", &TMainForm::N47Click}, {"N48", &TMainForm::N48Click}, {"N43", &TMainForm::N43Click},
    {"N44", &TMainForm::N44Click}, {"SpreadTeamsOn", &TMainForm::SpreadTeamsOnClick},
    {"SpreadTeamsOff", &TMainForm::SpreadTeamsOffClick}, {"N37", &TMainForm::N37Click},
    {"N38", &TMainForm::N38Click}, {"N24", &TMainForm::N24Click}, {"A2", &TMainForm::A2Click},
    {"B2", &TMainForm::B2Click}, {"C2", &TMainForm::C2Click}, {"D2", &TMainForm::D2Click},
    {"N2", &TMainForm::N2Click}, {"N39", &TMainForm::N39Click}, {"N11", &TMainForm::N11Click},
    {"N5", &TMainForm::N5Click}, {"N6", &TMainForm::N6Click},
    // files
    {"N3", &TMainForm::N3Click, Roster | Marks | Combination | Scores, 0}, {"N7", &TMainForm::N7Click}, {"Recent1", &TMainForm::Recent1Click, Roster | Marks | Combination | Scores, 0},
    {"Recent2", &TMainForm::Recent2Click, Roster | Marks | Combination | Scores, 0}, {"Recent3", &TMainForm::Recent3Click, Roster | Marks | Combination | Scores, 0},
    {"Recent4", &TMainForm::Recent4Click, Roster | Marks | Combination | Scores, 0}, {"N27", &TMainForm::N27Click, Roster | Marks | Scores, Roster | Marks | Scores},
};
// clang-format on

const char *const kFields[] = {"Edit1",  "Edit2",  "Edit3",  "Edit4",  "Edit5",  "Edit6",
                               "Edit7",  "Edit8",  "Edit9",  "Edit10", "Edit11", "Edit12",
                               "Edit13", "Edit14", "Edit16", "Edit18", "Edit19"};
const char *const kLists[] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"};
const char *const kMenus[] = {"ファイル", "一括出場設定", "クリア", "作表設定", "オプション", "ヘルプ"};

// Texts a user types, the ordinary and the hostile.
QString typedText(Reader &in)
{
    static const QStringList texts{QString(),      u"0"_s,      u"1"_s,
                                   u"2"_s,         u"4"_s,      u"6"_s,
                                   u"12"_s,        u"13"_s,     u"40"_s,
                                   u"99"_s,        u"899"_s,    u"999"_s,
                                   u"１２"_s,      u"-1"_s,     u"x"_s,
                                   u"山田"_s,      u"緑会"_s,   u"山田　花子"_s,
                                   u"山田,花子"_s, u"\"山田"_s, u"山 田"_s,
                                   u"$田"_s,       u"=1+1"_s,   u"a\tb"_s,
                                   u"〜"_s,        u"😀"_s,      u"あいうえおかきくけこさしすせそ"_s};
    const int pick = in.below(int(texts.size()) + 1);
    if (pick < texts.size()) return texts.at(pick);
    QString raw; // a few characters as they come
    for (int n = in.byte() % 8; n > 0; --n) raw += QChar(char16_t(in.word()));
    return raw;
}

// Whether a user can reach a control now: it and every area it lies in are shown and
// available (a menu entry: shown and available). Fields also take typing only when not
// read-only.
bool reachable(TMainForm &form, const char *name, bool typing = false)
{
    QString n = QString::fromLatin1(name);
    if (typing && form.control(n).readOnly) return false;
    for (int depth = 0; !n.isEmpty() && depth < 8; ++depth) {
        if (form.hasControl(n) && (!form.control(n).visible || !form.control(n).enabled)) return false;
        const Place *place = findPlace(n);
        if (!place) break;
        n = place->parent;
    }
    return true;
}

// The checked stores as the form holds them (the copies share the form's texts).
struct Stores {
    QStringList savedMemberLines;
    std::array<QStringList, grouping::Groups> kumiLines, groupLists;
    ScoreSlotArray scoreSlots;
};

Stores storesOf(const TMainForm &form)
{
    return {form.SavedMemberLines, form.KumiLines, form.GroupList, form.ScoreSlots};
}

// Who the members are (fields 1 to 7), one line each, and their marks beside.
QStringList rosterOf(const QStringList &lines, QStringList *marks)
{
    QStringList roster;
    for (const QString &line : lines) {
        Member m = Member::startValue();
        roster::splitInto(line, m);
        if (marks) *marks << m.PlayMark + u',' + m.LeaderMark + u',' + m.PasteMark;
        QStringList fields;
        for (int i = 0; i < 7; ++i) fields << m.field(i);
        roster << fields.join(u',');
    }
    return roster;
}

// The parties of every group and the members of every group list, whatever their lines' shape.
QStringList combinationOf(const Stores &s)
{
    QStringList lines;
    for (int g = 0; g < grouping::Groups; ++g) {
        lines << u"$"_s;
        for (const QStringList &party : grouping::kumiline::load(s.kumiLines[g])) lines << party.join(u',');
        lines << rosterOf(s.groupLists[g], nullptr);
    }
    return lines;
}

// The figures of every place; a record never cleared counts as cleared.
QStringList scoresOf(const Stores &s)
{
    const auto figure = [](const QString &text) { return text.isEmpty() ? u"0"_s : text; };
    QStringList lines;
    for (const auto &group : s.scoreSlots)
        for (const auto &party : group)
            for (const ScoreSlot &r : party)
                lines << figure(r.Entries) + u',' + figure(r.OneStrokes) + u',' + figure(r.TwoStrokes) +
                             u',' + figure(r.Total);
    return lines;
}

int changedStores(const Stores &a, const Stores &b)
{
    int changed = 0;
    if (a.savedMemberLines != b.savedMemberLines) {
        QStringList marksA, marksB;
        if (rosterOf(a.savedMemberLines, &marksA) != rosterOf(b.savedMemberLines, &marksB)) changed |= Roster;
        if (marksA != marksB) changed |= Marks;
    }
    if ((a.kumiLines != b.kumiLines || a.groupLists != b.groupLists) && combinationOf(a) != combinationOf(b))
        changed |= Combination;
    if (a.scoreSlots != b.scoreSlots && scoresOf(a) != scoresOf(b)) changed |= Scores;
    return changed;
}

// Where two lists of lines first differ, for the report of a broken check.
QString firstDifference(const QStringList &before, const QStringList &after)
{
    qsizetype i = 0;
    while (i < before.size() && i < after.size() && before.at(i) == after.at(i)) ++i;
    return u" (line %1: \"%2\" became \"%3\")"_s.arg(i).arg(before.value(i).left(60),
                                                            after.value(i).left(60));
}

QString storeNames(int stores)
{
    QStringList names;
    if (stores & Roster) names << u"the roster"_s;
    if (stores & Marks) names << u"the marks"_s;
    if (stores & Combination) names << u"the combination"_s;
    if (stores & Scores) names << u"the scores"_s;
    return names.join(u", "_s);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(datafile::MaxFileBytes + 1) : QByteArray();
}

// Where the session's files live, and the files of the tests it may open.
struct Files {
    QTemporaryDir dir;
    QStringList tests;
    Files()
    {
        const QDir data(QString::fromUtf8(KMTX_TEST_DATA));
        for (const QString &name : data.entryList({u"*.txt"_s}, QDir::Files, QDir::Name))
            tests << data.filePath(name);
        const QDir hostile(data.filePath(u"hostile"_s));
        for (const QString &name : hostile.entryList({u"*.txt"_s}, QDir::Files, QDir::Name))
            tests << hostile.filePath(name);
    }
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
};

Files &files()
{
    static Files f;
    return f;
}

class Session
{
public:
    explicit Session(const QByteArray &bytes) : m_in(bytes), m_form(m_platform)
    {
        m_platform.clock = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0));
        m_form.FormCreate();
        // Nothing of an earlier session is left in the folder.
        for (const char *name : {"保存.txt", "変えた.txt", "開く.txt", "書き出し.csv"})
            QFile::remove(files().path(name));
    }

    QString run()
    {
        for (int step = 1; !m_in.done(); ++step) {
            ++g_steps;
            const QString broken = oneStep();
            if (!broken.isEmpty()) return u"step %1 (%2): %3"_s.arg(step).arg(m_label, broken);
        }
        return {};
    }

private:
    QString oneStep()
    {
        const Stores before = storesOf(m_form);
        const std::deque<int> answers = m_platform.answers;
        const std::deque<std::optional<QString>> fileNames = m_platform.fileNames;
        const size_t boxes = m_platform.boxes.size();
        const size_t dialogs = m_platform.dialogs.size();
        int changes = 0; // what the step may change
        int afterYes = 0;
        bool discards = false;

        switch (m_in.byte() % 12) {
        case 0:
        case 1:
        case 2: {
            const Command &c = kCommands[m_in.below(int(std::size(kCommands)))];
            m_label = QString::fromLatin1(c.name);
            if (!reachable(m_form, c.name)) break;
            changes = c.changes;
            afterYes = c.afterYes;
            discards = c.discards;
            (m_form.*c.handler)();
            break;
        }
        case 3: {
            // Moving changes the roster, marking the marks; deleting asks first.
            const editmode mode = m_form.EditMode;
            m_label = u"member list click in mode %1"_s.arg(static_cast<int>(mode));
            if (!reachable(m_form, "Image1")) break;
            if (mode == editmode::MovePick || mode == editmode::MovePlace) changes = Roster | Marks;
            if (mode == editmode::Delete) afterYes = Roster | Marks;
            if (mode == editmode::Play || mode == editmode::Leader || mode == editmode::Unmark)
                changes = Marks;
            m_form.clickMemberList(m_in.below(310));
            break;
        }
        case 4:
            m_label = u"party panel click"_s;
            changes = Combination | Marks;
            {
                const int party = 1 + m_in.below(12);
                const QByteArray panel = "Image" + QByteArray::number(10 + party);
                const int y = m_in.below(140);
                if (reachable(m_form, panel.constData())) m_form.kumiPanelMouseDown(party, y);
            }
            break;
        case 5:
            m_label = u"table click"_s;
            {
                const int x = m_in.below(1500);
                const int y = m_in.below(1200);
                if (reachable(m_form, "Image28")) m_form.Image28MouseDown(x, y);
            }
            break;
        case 6: {
            const char *field = kFields[m_in.below(int(std::size(kFields)))];
            m_label = u"typing into "_s + QString::fromLatin1(field);
            const QString text = typedText(m_in);
            if (reachable(m_form, field, true)) m_form.typeInto(field, text);
            break;
        }
        case 7: {
            const char *field = kFields[m_in.below(int(std::size(kFields)))];
            const int kind = m_in.byte() % 4;
            m_label = u"%1 in %2"_s.arg(kind == 0   ? u"Enter"_s
                                        : kind == 1 ? u"Delete"_s
                                                    : u"a click"_s,
                                        QString::fromLatin1(field));
            if (!reachable(m_form, field)) break;
            if (kind == 0) {
                changes = qstrcmp(field, "Edit1") == 0 ? Roster | Marks : Scores; // registers, or records
                m_form.pressEnter(QString::fromLatin1(field));
            } else if (kind == 1) {
                changes = Scores;
                m_form.entryFieldKey(QString::fromLatin1(field), 46);
            } else {
                m_form.clickField(QString::fromLatin1(field));
            }
            break;
        }
        case 8: {
            const char *list = kLists[m_in.below(int(std::size(kLists)))];
            m_label = u"choosing in "_s + QString::fromLatin1(list);
            const int item = m_in.below(66) - 1;
            if (reachable(m_form, list)) m_form.chooseItem(list, item);
            break;
        }
        case 9:
            m_label = u"answers readied"_s;
            for (int n = m_in.byte() % 4; n > 0; --n) {
                const int a = m_in.byte() % 3;
                m_platform.answer(a == 0 ? IdYes : a == 1 ? IdNo : IdCancel);
            }
            break;
        case 10:
            m_label = u"a file readied"_s;
            readyFile();
            break;
        default:
            m_label = u"other answers readied"_s;
            readyOtherAnswers();
            break;
        }

        for (size_t i = boxes; i < m_platform.boxes.size(); ++i)
            if (m_platform.boxes.at(i).text.isEmpty()) return u"an empty box"_s;

        // The questions of the step and their answers (an unreadied one answers いいえ).
        bool yes = false;
        size_t asked = 0;
        for (size_t i = boxes; i < m_platform.boxes.size(); ++i) {
            if (m_platform.boxes.at(i).buttons == MsgButtons::Ok) continue;
            yes = yes || (asked < answers.size() && answers.at(asked) == IdYes);
            ++asked;
        }
        // A question answered いいえ stops its command, but for the two that go on either way:
        // the frame of eight (the division goes on) and saving unsaved work (開く goes on).
        bool goesOn = false;
        for (size_t i = boxes; i < m_platform.boxes.size(); ++i)
            goesOn = goesOn || m_platform.boxes.at(i).caption == u"組の人数がオーバーします"_s ||
                     m_platform.boxes.at(i).caption == u"データー保存"_s;
        const bool stopped = asked > 0 && !yes && !goesOn;
        const int changed = changedStores(before, storesOf(m_form));
        int allowed = stopped ? 0 : changes | (yes ? afterYes : 0);
        // A combination or scores that are there are replaced only after asking.
        if (discards && !yes) {
            static const Stores empty = storesOf(emptyForm());
            if (combinationOf(before) != combinationOf(empty) || scoresOf(before) != scoresOf(empty))
                allowed &= ~(Combination | Scores);
        }
        if (g_learnt && changed) {
            (*g_learnt)[m_label + (yes ? u" (はい)"_s : QString())] |= changed;
        } else if (changed & ~allowed) {
            const Stores after = storesOf(m_form);
            const int wrong = changed & ~allowed;
            QStringList marksBefore, marksAfter;
            const QStringList rosterBefore = rosterOf(before.savedMemberLines, &marksBefore);
            const QStringList rosterAfter = rosterOf(after.savedMemberLines, &marksAfter);
            return u"%1 changed without a command that says so%2"_s.arg(
                storeNames(wrong), wrong & Roster  ? firstDifference(rosterBefore, rosterAfter)
                                   : wrong & Marks ? firstDifference(marksBefore, marksAfter)
                                   : wrong & Scores
                                       ? firstDifference(scoresOf(before), scoresOf(after))
                                       : firstDifference(combinationOf(before), combinationOf(after)));
        }

        if (const QString wrong = drawnNamesDiffer(); !wrong.isEmpty()) return wrong;

        // Every file saved reads back as the meeting saved and opens to the same stores.
        size_t consumed = 0;
        for (size_t i = dialogs; i < m_platform.dialogs.size(); ++i, ++consumed) {
            if (consumed >= fileNames.size() || !fileNames.at(consumed)) continue;
            if (m_platform.dialogs.at(i).title != u"データー保存"_s ||
                m_form.DataFileName != *fileNames.at(consumed))
                continue;
            const QString broken = savedFileReopens(*fileNames.at(consumed));
            if (!broken.isEmpty()) return broken;
        }
        return {};
    }

    QString drawnNamesDiffer()
    {
        const int g = groupNumber(m_form.CurGroup);
        if (m_form.Screen != screen::GridTable || !isGroup(m_form.CurGroup)) return {};
        const tables::PartyPlayers stored = tables::partiesOfGroup(m_form.currentMeeting(), g - 1);
        for (int p = 0; p < grouping::Parties; ++p) {
            if (stored[p].size() > 6) continue; // a frame of six leaves such a party's names out
            for (int k = 0; k < stored[p].size(); ++k) {
                const QString expected = stored[p][k].name + u',' + stored[p][k].team;
                const QString &drawn = m_form.KumiSlotText[g - 1][p][k];
                if (drawn != expected)
                    return u"the table of group %1 names \"%2\" in party %3, place %4, where the stored "
                           u"combination places \"%5\""_s.arg(g)
                               .arg(drawn)
                               .arg(p + 1)
                               .arg(k + 1)
                               .arg(expected);
            }
        }
        return {};
    }

    QString savedFileReopens(const QString &path)
    {
        const datafile::ReadResult read = datafile::read(fileBytes(path));
        if (const auto *e = std::get_if<datafile::ReadError>(&read))
            return u"the saved file is refused: "_s + e->message();
        m_form.Tensave();
        if (std::get<datafile::Meeting>(read) != m_form.currentMeeting())
            return u"the saved file reads back otherwise"_s;
        FakePlatform platform;
        platform.clock = m_platform.clock;
        TMainForm other(platform);
        other.FormCreate();
        platform.chooseFile(path);
        other.N3Click();
        // Opening may warn (more than 288 players switch the frame to eight); only a refusal fails.
        for (const ShownBox &box : platform.boxes)
            if (box.icon == MsgIcon::Error) return u"the saved file does not open: "_s + box.text;
        if (other.DataFileName != path) return u"the saved file does not open"_s;
        if (other.meetingFingerprint() != m_form.meetingFingerprint())
            return u"the saved file opens to other stores"_s;
        return {};
    }

    void readyFile()
    {
        const QString saved = files().path("保存.txt");
        switch (m_in.byte() % 7) {
        case 0: m_platform.chooseFile(saved); break;
        case 1: { // the saved file (or a meeting of the tests) with bytes changed
            QByteArray bytes = fileBytes(saved);
            if (bytes.isEmpty())
                bytes = fileBytes(files().tests.value(m_in.below(int(files().tests.size()))));
            for (int n = 1 + m_in.byte() % 4; n > 0 && !bytes.isEmpty(); --n) {
                const int at = m_in.below(int(bytes.size()));
                const int kind = m_in.byte() % 3;
                if (kind == 0)
                    bytes[at] = char(m_in.byte());
                else if (kind == 1)
                    bytes.insert(at, char(m_in.byte()));
                else
                    bytes.remove(at, 1 + m_in.byte() % 8);
            }
            QFile f(files().path("変えた.txt"));
            if (f.open(QIODevice::WriteOnly)) f.write(bytes);
            m_platform.chooseFile(f.fileName());
            break;
        }
        case 2: { // a copy: a dialog may save over it
            const QString copy = files().path("開く.txt");
            QFile::remove(copy);
            QFile::copy(files().tests.value(m_in.below(int(files().tests.size()))), copy);
            m_platform.chooseFile(copy);
            break;
        }
        case 3: m_platform.chooseFile(files().path("ない/なし.txt")); break;
        case 4: m_platform.chooseFile(files().dir.path()); break;
        case 5: m_platform.chooseFile(files().path("書き出し.csv")); break;
        default: m_platform.chooseFile(std::nullopt); break;
        }
    }

    void readyOtherAnswers()
    {
        switch (m_in.byte() % 4) {
        case 0: {
            const int item = m_in.below(4) - 1; // -1: the list is closed without a choice
            m_platform.listAnswers.push_back(item < 0 ? std::nullopt : std::optional<int>(item));
            break;
        }
        case 1:
            m_platform.batchAnswers.push_back(
                BatchPrintChoice{BatchTable(m_in.below(5)), m_in.below(5), BatchOutput(m_in.below(3))});
            break;
        case 2: m_platform.pdfAnswer = files().path("印刷.pdf"); break;
        default: m_form.menuOpened(QString::fromUtf8(kMenus[m_in.below(int(std::size(kMenus)))])); break;
        }
    }

    Reader m_in;
    FakePlatform m_platform;
    TMainForm m_form;
    QString m_label;
};

} // namespace

QString run(const QByteArray &bytes)
{
    if (!g_learnt && qEnvironmentVariableIsSet("KMTX_SCENARIO_LEARN")) {
        g_learnt = new std::map<QString, int>;
        std::atexit(printLearnt);
    }
    return Session(bytes).run();
}

long long stepsRun() { return g_steps; }

} // namespace scenario
