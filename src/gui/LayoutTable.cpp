#include "gui/LayoutTable.h"

#include "app/Control.h"
#include "grouping/Counts.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QColor kWhite{255, 255, 255};
const QColor kBlack{0, 0, 0};
const QColor kHintYellow{255, 255, 210};

class Table
{
public:
    // Adds a place and returns it for the few settings beyond name, look and geometry.
    Place &add(Look look, const QString &name, const QString &parent, int x, int y, int w, int h)
    {
        Place p;
        p.look = look;
        p.name = name;
        p.parent = parent;
        p.geometry = QRect(x, y, w, h);
        rows.push_back(p);
        return rows.back();
    }
    // A fixed caption on a teal area, in white.
    void caption(const QString &parent, const QString &text, int x, int y, int w, int h)
    {
        Place &p = add(Look::Caption, parent + u'.' + text, parent, x, y, w, h);
        p.caption = text;
        p.fontColour = kWhite;
    }
    // A text of the form on a teal area, in white unless the form colours it.
    void whiteText(Look look, const QString &name, const QString &parent, int x, int y, int w, int h)
    {
        add(look, name, parent, x, y, w, h).fontColour = kWhite;
    }

    std::vector<Place> rows;
};

void memberListArea(Table &t)
{
    const QString area = u"Panel1"_s;
    t.add(Look::Area, area, {}, 2, 2, 520, 651);
    Place &title = t.add(Look::Heading, u"Label10"_s, area, 8, 4, 118, 20);
    title.fontColour = kWhite;
    title.fontPixels = 15;
    // The mark commands of 組み合わせ and the list edits of メンバー登録 share the right
    // of the title line: a screen shows one set or the other.
    t.add(Look::Command, u"Label75"_s, area, 254, 3, 84, 22);
    t.add(Look::Command, u"Label76"_s, area, 342, 3, 84, 22);
    t.add(Look::Command, u"Label77"_s, area, 430, 3, 84, 22);
    t.add(Look::Command, u"Label5"_s, area, 342, 3, 84, 22);
    t.add(Look::Command, u"Label6"_s, area, 430, 3, 84, 22);
    t.add(Look::Picture, u"Image2"_s, area, 7, 28, 488, 28);
    // The hint of a list edit covers the header row while the edit is on.
    Place &hint = t.add(Look::Hint, u"Label22"_s, area, 7, 28, 488, 28);
    hint.fontPixels = 15;
    hint.background = kHintYellow;
    Place &list = t.add(Look::ScrollBox, u"ScrollBox1"_s, area, 5, 56, 513, 589);
    list.wheelStep = 29;
    list.background = colours::Teal;
    t.add(Look::Picture, u"Image1"_s, u"ScrollBox1"_s, 0, 0, 488, 8401);
    // Between the title and the commands: finding a member by part of a name or team.
    t.add(Look::TextField, u"MemberSearch"_s, area, 128, 3, 120, 22).caption = u"検索 (Ctrl+F)"_s;
    // Over the empty list of an empty roster: where to begin.
    Place &start = t.add(Look::Hint, u"StartHint"_s, area, 20, 100, 480, 96);
    start.fontPixels = 15;
    start.background = kHintYellow;
}

void registrationForm(Table &t)
{
    // The count line (531, 152) lies over this form on the メンバー登録 screen, so its
    // band y 77 to 101 stays free.
    const QString area = u"Panel2"_s;
    t.add(Look::Area, area, {}, 531, 75, 459, 260);
    t.add(Look::Command, u"Label3"_s, area, 12, 8, 104, 28).fontPixels = 14;
    t.add(Look::Command, u"Label84"_s, area, 124, 8, 104, 28).fontPixels = 14;
    t.add(Look::Command, u"Label4"_s, area, 236, 8, 104, 28).fontPixels = 14;
    t.caption(area, u"チーム名"_s, 12, 49, 62, 20);
    t.add(Look::TextField, u"Edit2"_s, area, 76, 45, 164, 27);
    t.caption(area, u"氏名"_s, 252, 49, 36, 20);
    t.add(Look::TextField, u"Edit1"_s, area, 290, 45, 160, 27);
    t.caption(area, u"性別"_s, 12, 115, 62, 20);
    t.add(Look::Choice, u"ComboBox1"_s, area, 76, 111, 84, 27);
    t.caption(area, u"生年月日"_s, 12, 153, 62, 20);
    t.add(Look::Choice, u"ComboBox2"_s, area, 76, 149, 76, 27);
    t.add(Look::Choice, u"ComboBox3"_s, area, 156, 149, 74, 27);
    t.add(Look::Choice, u"ComboBox4"_s, area, 234, 149, 66, 27);
    t.add(Look::Choice, u"ComboBox5"_s, area, 304, 149, 90, 27);
    t.add(Look::Button, u"Button6"_s, area, 76, 200, 150, 40).fontPixels = 15;
}

void combinationBoxes(Table &t)
{
    const QString manual = u"Panel3"_s;
    t.add(Look::Area, manual, {}, 533, 60, 206, 83);
    t.add(Look::Heading, u"Label26"_s, manual, 8, 3, 160, 19).fontPixels = 14;
    t.add(Look::Text, u"Label20"_s, manual, 170, 3, 30, 18);
    t.add(Look::Button, u"Button4"_s, manual, 8, 25, 92, 26);
    t.add(Look::Button, u"Button9"_s, manual, 106, 25, 92, 26);
    t.add(Look::Command, u"Label78"_s, manual, 8, 56, 92, 22);
    t.add(Look::Command, u"Label79"_s, manual, 106, 56, 92, 22);

    const QString automatic = u"Panel4"_s;
    t.add(Look::Area, automatic, {}, 750, 60, 238, 83);
    t.add(Look::Heading, u"Label23"_s, automatic, 8, 3, 222, 19).fontPixels = 14;
    t.caption(automatic, u"グループ数"_s, 6, 29, 102, 20);
    t.add(Look::NumberField, u"Edit16"_s, automatic, 110, 26, 34, 25);
    t.caption(automatic, u"一グループの組数"_s, 6, 57, 104, 20);
    t.add(Look::NumberField, u"Edit6"_s, automatic, 110, 54, 34, 25);
    t.add(Look::Button, u"Button1"_s, automatic, 150, 25, 82, 26);
    t.add(Look::Button, u"Button10"_s, automatic, 150, 54, 82, 26);
}

void partyBoard(Table &t)
{
    const QString area = u"Panel9"_s;
    t.add(Look::Area, area, {}, 523, 185, 475, 468);
    const QString captions[grouping::Parties] = {u"Label11"_s, u"Label12"_s, u"Label13"_s, u"Label14"_s,
                                                 u"Label15"_s, u"Label16"_s, u"Label17"_s, u"Label18"_s,
                                                 u"Label19"_s, u"Label24"_s, u"Label27"_s, u"Label28"_s};
    for (int k = 0; k < grouping::Parties; ++k) {
        const int x = 1 + (k % 4) * 118;
        const int y = 2 + (k / 4) * 156;
        Place &caption = t.add(Look::Text, captions[k], area, x, y, 117, 18);
        caption.fontColour = kBlack;
        t.add(Look::Picture, u"Image"_s + QString::number(11 + k), area, x, y + 18, 117, 133);
    }
}

void countLine(Table &t)
{
    const QString area = u"Panel5"_s;
    t.add(Look::Area, area, {}, 531, 152, 457, 24);
    t.whiteText(Look::Text, u"Label25"_s, area, 8, 3, 112, 18);
    t.whiteText(Look::Text, u"Label9"_s, area, 124, 3, 136, 18);
    t.whiteText(Look::Text, u"Label37"_s, area, 264, 3, 110, 18);
    t.add(Look::Button, u"Button2"_s, area, 377, 1, 78, 22);
}

void tablePictures(Table &t)
{
    // Each table layout shows its own picture; the sizes follow the drawing.
    t.add(Look::Picture, u"Image23"_s, {}, 5, 1, 996, 654);
    t.add(Look::Picture, u"Image28"_s, {}, 5, 42, 996, 612);
    t.add(Look::Picture, u"Image29"_s, {}, 5, 40, 996, 618); // down to the grid's bottom rule
    t.add(Look::ScrollBox, u"ScrollBox2"_s, {}, 50, 50, 897, 600).wheelStep = 19;
    t.add(Look::Picture, u"Image4"_s, u"ScrollBox2"_s, 0, 0, 874, 1220);
}

void tableCommands(Table &t)
{
    // The group tabs cover the top of this box; its commands start below them.
    const QString area = u"GroupBox1"_s;
    t.add(Look::Area, area, {}, 742, 22, 135, 160);
    const QString commands[5] = {u"Label53"_s, u"Label43"_s, u"ScoreCheck"_s, u"Label60"_s, u"Label56"_s};
    for (int i = 0; i < 5; ++i) t.add(Look::Command, commands[i], area, 8, 25 + 27 * i, 119, 24);
}

void particulars(Table &t)
{
    const QString area = u"Panel10"_s;
    t.add(Look::Area, area, {}, 5, 1, 538, 49);
    t.caption(area, u"大会名"_s, 4, 4, 44, 19);
    t.add(Look::TextField, u"Edit7"_s, area, 48, 2, 188, 22);
    t.caption(area, u"コース"_s, 242, 4, 40, 19);
    t.add(Look::TextField, u"Edit8"_s, area, 282, 2, 196, 22);
    t.add(Look::Button, u"Button8"_s, area, 484, 3, 50, 43);
    t.caption(area, u"ホール数"_s, 4, 27, 52, 19);
    t.add(Look::NumberField, u"Edit9"_s, area, 56, 25, 34, 22);
    t.add(Look::NumberField, u"Edit10"_s, area, 98, 25, 46, 22);
    t.caption(area, u"年"_s, 146, 27, 16, 19);
    t.add(Look::NumberField, u"Edit11"_s, area, 164, 25, 30, 22);
    t.caption(area, u"月"_s, 196, 27, 16, 19);
    t.add(Look::NumberField, u"Edit12"_s, area, 214, 25, 30, 22);
    t.caption(area, u"日"_s, 246, 27, 16, 19);
    t.add(Look::NumberField, u"Edit13"_s, area, 272, 25, 30, 22);
    t.caption(area, u"組"_s, 304, 27, 16, 19);
    t.add(Look::NumberField, u"Edit14"_s, area, 326, 25, 30, 22);
    t.caption(area, u"番スタート"_s, 358, 27, 80, 19);
}

void tabs(Table &t)
{
    const QString screens = u"Panel6"_s;
    t.add(Look::Area, screens, {}, 550, 0, 417, 20);
    const QString screenTabs[4] = {u"Label40"_s, u"Label42"_s, u"Label64"_s, u"Label54"_s};
    for (int i = 0; i < 4; ++i) t.add(Look::Tab, screenTabs[i], screens, 1 + 104 * i, 1, 103, 18);

    const QString groups = u"Panel8"_s;
    t.add(Look::Area, groups, {}, 550, 21, 417, 19);
    const QString groupTabs[grouping::Groups] = {u"Label44"_s, u"Label45"_s, u"Label46"_s, u"Label47"_s};
    for (int i = 0; i < grouping::Groups; ++i)
        t.add(Look::Tab, groupTabs[i], groups, 1 + 104 * i, 1, 103, 17);
}

void topBand(Table &t)
{
    // The band above the table pictures, left of the tabs: one set per table screen.
    // Score entry
    t.add(Look::Text, u"Label2"_s, {}, 8, 14, 236, 19);
    t.add(Look::Text, u"Label57"_s, {}, 250, 1, 40, 16);
    t.add(Look::NumberField, u"Edit3"_s, {}, 250, 17, 40, 23);
    t.add(Look::Text, u"Label58"_s, {}, 296, 1, 40, 16);
    t.add(Look::NumberField, u"Edit4"_s, {}, 296, 17, 40, 23);
    t.add(Look::Text, u"Label59"_s, {}, 342, 1, 46, 16);
    t.add(Look::NumberField, u"Edit5"_s, {}, 342, 17, 46, 23);
    t.add(Look::Text, u"Label74"_s, {}, 396, 1, 140, 16);
    t.add(Look::Command, u"Label55"_s, {}, 396, 17, 140, 23).background = kWhite;
    // Under the score-entry table, on the picture's white margin below its last row
    t.add(Look::Text, u"MissingCount"_s, {}, 14, 634, 300, 18).background = kWhite;
    t.add(Look::Button, u"MissingList"_s, {}, 880, 632, 112, 22);
    // Result and member tables: the page and the ranking options
    t.add(Look::Text, u"Label7"_s, {}, 8, 13, 72, 19);
    t.add(Look::NumberField, u"Edit19"_s, {}, 82, 10, 32, 25);
    t.add(Look::Spin, u"UpDown1"_s, {}, 114, 10, 18, 25);
    t.add(Look::Button, u"Button7"_s, {}, 138, 9, 60, 27);
    t.add(Look::Check, u"CheckBox1"_s, {}, 210, 1, 220, 19);
    t.add(Look::Check, u"CheckBox3"_s, {}, 210, 20, 220, 19);
    // Combination table: swapping two players
    t.add(Look::Button, u"Button3"_s, {}, 6, 7, 100, 28);
    t.add(Look::Button, u"Button5"_s, {}, 110, 7, 100, 28);
    t.add(Look::Hint, u"Label1"_s, {}, 216, 1, 330, 38).background = kHintYellow;
}

std::vector<Place> build()
{
    Table t;
    memberListArea(t);
    registrationForm(t);
    combinationBoxes(t);
    partyBoard(t);
    countLine(t);
    tablePictures(t);
    tableCommands(t);
    particulars(t);
    tabs(t);
    topBand(t);
    // The group name field, shown at the top left over everything else.
    t.add(Look::TextField, u"Edit18"_s, {}, 6, 4, 120, 25).fontPixels = 15;
    Place &hint = t.add(Look::Hint, u"GroupNameHint"_s, {}, 130, 1, 388, 32);
    hint.fontPixels = 12;
    hint.background = kHintYellow;
    return t.rows;
}

} // namespace

const std::vector<Place> &layoutTable()
{
    static const std::vector<Place> table = build();
    return table;
}

int layoutBottom()
{
    int bottom = 0;
    for (const Place &p : layoutTable())
        if (p.parent.isEmpty()) bottom = std::max(bottom, p.geometry.y() + p.geometry.height());
    return bottom;
}

const Place *findPlace(const QString &name)
{
    for (const Place &p : layoutTable())
        if (p.name == name) return &p;
    return nullptr;
}

int partyOfPanel(const QString &name)
{
    if (!name.startsWith(u"Image"_s)) return 0;
    bool ok = false;
    const int n = name.mid(5).toInt(&ok);
    return ok && n >= 11 && n <= 22 ? n - 10 : 0;
}
