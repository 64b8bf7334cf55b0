#include "app/MainForm.h"

#include "tables/Canvas.h"
#include "text/Cp932.h"

using namespace Qt::StringLiterals;

TMainForm::TMainForm(Platform &p) : platform(p)
{
    for (auto &m : Members) m = Member();
    buildControls();
}

void TMainForm::addControl(const QString &name, ControlKind kind, const QString &text)
{
    Control c;
    c.name = name;
    c.kind = kind;
    c.text = text;
    m_controls[name] = c;
}

Control &TMainForm::control(const char *name) { return control(QString::fromLatin1(name)); }

Control &TMainForm::control(const QString &name)
{
    auto it = m_controls.find(name);
    Q_ASSERT_X(it != m_controls.end(), "TMainForm::control", qPrintable(name));
    if (it == m_controls.end()) {
        Control c;
        c.name = name;
        it = m_controls.emplace(name, c).first;
    }
    return it->second;
}

namespace {
// Where drawing goes while it is hidden: nowhere, at the picture's size.
class HiddenPicture : public Canvas
{
public:
    explicit HiddenPicture(QSize size) : m_size(size) {}
    void setPen(QColor, int) override {}
    void line(int, int, int, int) override {}
    void fillRect(QRect, QColor) override {}
    void setFontFace(const QString &) override {}
    void text(int, int, const QString &, int, QColor) override {}
    QSize size() const override { return m_size; }

private:
    QSize m_size;
};
} // namespace

namespace {
// Equal texts, first by sharing the same storage (a copy made by assignment), then by content.
bool same(const QString &a, const QString &b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}
} // namespace

bool sameMember(const Member &a, const Member &b)
{
    return same(a.Name, b.Name) && same(a.Team, b.Team) && same(a.Sex, b.Sex) && same(a.Era, b.Era) &&
           same(a.EraYear, b.EraYear) && same(a.Month, b.Month) && same(a.Day, b.Day) && same(a.Age, b.Age) &&
           same(a.PlayMark, b.PlayMark) && same(a.LeaderMark, b.LeaderMark) &&
           same(a.PasteMark, b.PasteMark) && same(a.Spare, b.Spare);
}

Canvas &TMainForm::picture(const char *name)
{
    static const std::map<QString, QSize> sizes = [] {
        std::map<QString, QSize> s;
        s[u"Image1"_s] = QSize(488, 8401); // the member list
        s[u"Image2"_s] = QSize(488, 28);   // its header row
        for (int k = 11; k <= 22; ++k) s[u"Image"_s + QString::number(k)] = QSize(117, 133);
        return s;
    }();
    const QString key = QString::fromLatin1(name);
    // Anything drawn on the list but its own rows means its rows must all be drawn anew
    // (hidden drawing leaves the list as it is).
    if (m_listDrawing == 0 && HiddenDrawing == 0 && key == u"Image1"_s) ListRowsDrawn = -1;
    const auto it = sizes.find(key);
    const QSize size = it != sizes.end() ? it->second : QSize(1, 1);
    if (HiddenDrawing > 0) {
        auto &hidden = m_hiddenPictures[key];
        if (!hidden) hidden = std::make_unique<HiddenPicture>(size);
        return *hidden;
    }
    return platform.picture(key, size);
}

void TMainForm::setVisible(std::initializer_list<const char *> names, bool visible)
{
    for (const char *n : names) control(n).visible = visible;
}

void TMainForm::setEnabled(std::initializer_list<const char *> names, bool enabled)
{
    for (const char *n : names) control(n).enabled = enabled;
}

void TMainForm::setColour(std::initializer_list<const char *> names, QColor colour)
{
    for (const char *n : names) control(n).colour = colour;
}

QString TMainForm::typeInto(const QString &field, const QString &text)
{
    Control &c = control(field);
    QString t = text;
    if (c.maxChars > 0 && t.size() > c.maxChars) t = t.left(c.maxChars);
    if (c.maxBytes > 0) t = text::cp932::cutToBytes(t, c.maxBytes);
    c.text = t;
    if (field == u"Edit16"_s)
        Edit16Change();
    else if (field == u"Edit13"_s)
        Edit13Change();
    else if (field == u"MemberSearch"_s)
        MemberSearchChange();
    return control(field).text;
}

void TMainForm::clickField(const QString &field)
{
    if (field == u"Edit16"_s)
        Edit16Click();
    else if (field == u"Edit6"_s)
        Edit6Click();
    else if (field == u"Edit3"_s || field == u"Edit4"_s || field == u"Edit5"_s)
        control(field).text.clear();
    else
        tableFieldClicked(field);
}

void TMainForm::pressEnter(const QString &name)
{
    // Enter in 氏名 or on 実行 registers, as 実行 does.
    if (name == u"Edit1"_s || name == u"Button6"_s)
        Button6Click();
    else if (name == u"Edit3"_s || name == u"Edit4"_s || name == u"Edit5"_s)
        entryFieldKey(name, 13);
    else if (name == u"MemberSearch"_s)
        searchNext();
}

void TMainForm::chooseItem(const char *list, int index)
{
    Control &c = control(list);
    if (index >= -1 && index < c.items.size()) c.itemIndex = index;
}

void TMainForm::menuOpened(const QString &menuTitle)
{
    static const QStringList guarded{u"ファイル"_s, u"一括出場設定"_s, u"クリア"_s, u"作表設定"_s,
                                     u"オプション"_s};
    if (Combining && guarded.contains(menuTitle)) remindCombining();
}

void TMainForm::remindCombining()
{
    platform.messageBox(u"「完了」又は「やり直し」を押して下さい"_s, u"組み合わせ中です"_s,
                        MsgIcon::Information, MsgButtons::Ok);
}

int TMainForm::lastListTopRow() const
{
    // The list picture holds ListRows rules (one more than the rows); the view shows 21 rows.
    const int pictureHeight = (ListRows - 1) * RowHeight + 1;
    const int viewHeight = ListVisibleRows * RowHeight + 1;
    return RowHeight > 0 ? std::max(0, (pictureHeight - viewHeight) / RowHeight) : 0;
}

void TMainForm::scrollListTo(int topRow)
{
    ListTopRow = std::clamp(topRow, 0, lastListTopRow());
    ++ListScrollSerial;
}

// ---- Start-up -------------------------------------------------------------------

void TMainForm::FormCreate()
{
    Screen = screen::Registration;
    control("Edit16").text = u"0"_s;
    control("Edit6").text = u"0"_s;
    for (int k = 11; k <= 22; ++k) {
        Canvas &panel = picture(QStringLiteral("Image%1").arg(k).toLatin1().constData());
        panel.fillRect(QRect(QPoint(0, 0), panel.size()), colours::White);
        panel.setPen(colours::Black, 1);
        const QSize s = panel.size();
        panel.line(0, 0, s.width() - 1, 0);
        panel.line(s.width() - 1, 0, s.width() - 1, s.height() - 1);
        panel.line(s.width() - 1, s.height() - 1, 0, s.height() - 1);
        panel.line(0, s.height() - 1, 0, 0);
    }
    MaxMembers = roster::MaxMembers;
    ListRows = 301;
    RowHeight = 28;
    CurGroup = curgroup::None;
    Screen = screen::StartingUp;
    LeaderGroupSel = u"3"_s;
    control("N33").checked = true; // the leader designation menu shows 指定なし as chosen

    for (const char *entry : {"N20", "N31", "N35", "N48", "N43", "N38", "SpreadTeamsOff"})
        control(entry).checked = true;
    for (const char *entry : {"N29", "N32", "N36", "N47", "N44", "N37", "SpreadTeamsOn"})
        control(entry).checked = false;

    SavedMemberLines.clear();

    const QDate today = platform.now().date();
    ThisYear = today.year();
    ThisMonth = today.month();
    ThisDay = today.day();
    TodayMonthDay = ThisMonth * 100 + ThisDay;
    control("Edit10").text = QString::number(ThisYear);
    control("Edit11").text = QString::number(ThisMonth);
    control("Edit12").text = QString::number(ThisDay);

    RegFSettei();
    loadTextScale();
    Hajime();
    Bunkatu();
    Label42Click();
    loadRecentFiles();
    markMeetingSaved();
    startFreshHistory();
}

void TMainForm::Hajime()
{
    for (auto &m : Members) m = Member::startValue();
    EditMode = editmode::None;
    control("Edit6").text = u"0"_s;
    ImgDsEnab();
    Hyou();
}

// ---- Roster -----------------------------------------------------------------------

void TMainForm::Bunkatu()
{
    // The list is blanked unless it shows rows drawn for this screen that can be brought
    // up to date one by one.
    const bool rowsShown = Screen == screen::Registration || Screen == screen::Combination;
    const bool current = ListRowsDrawn == 0 || (ListRowsDrawn > 0 && rowsShown && ListDrawnScreen == Screen &&
                                                ListDrawnAges == ticked("N37"));
    if (!current && HiddenDrawing == 0) ClrAll();
    const int count = std::min(MemberCount(), roster::MaxMembers);
    if (m_splitYear != ThisYear || m_splitMonthDay != TodayMonthDay) {
        m_splitKnown.fill(false); // the ages are reckoned anew
        m_splitYear = ThisYear;
        m_splitMonthDay = TodayMonthDay;
    }
    for (int i = 0; i < count; ++i) {
        const QString &line = MemberLines.at(i);
        // Splitting again what was split from the same line gives the same member.
        if (m_splitKnown[i] && same(line, m_splitLines[i]) && sameMember(Members[i], m_splitMembers[i]))
            continue;
        roster::splitInto(line, Members[i]);
        roster::recomputeAge(Members[i], ThisYear, TodayMonthDay);
        m_splitLines[i] = line;
        m_splitMembers[i] = Members[i];
        m_splitKnown[i] = true;
    }
    DspItiran();
}

void TMainForm::Hensyu(int i)
{
    if (i == hensyu::AllLines) {
        const int count = std::min(MemberCount(), roster::MaxMembers);
        MemberLines.clear();
        for (int k = 0; k < count; ++k) MemberLines << roster::rebuildLine(Members[k]);
    } else if (i >= 0 && i < MemberCount() && i < roster::MaxMembers) {
        MemberLines[i] = roster::rebuildLine(Members[i]);
    }
    SavedMemberLines = MemberLines;
}
