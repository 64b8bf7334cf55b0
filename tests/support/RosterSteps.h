#pragma once
// Steps a roster scenario repeats: filling the registration form, registering through it,
// building roster lines, and reading what a row of the member list shows.
//
//   Scenario s;
//   s.form.Label40Click();                         // tab 「メンバー登録」
//   s.form.Label3Click();                          // 「新規登録」
//   steps::registerMember(s, {u"山田"_s, u"緑会"_s, steps::Woman, steps::Showa, 30, 5, 1});

#include "support/RosterLine.h"
#include "support/Scenario.h"

#include <QStringList>

namespace steps {

using namespace Qt::StringLiterals;

enum SexEntry { Man = 0, Woman = 1 };
enum EraEntry { Hidden = 0, Taisho = 1, Showa = 2, Heisei = 3, Western = 4 };

struct Entry {
    QString name;
    QString team;
    int sex = Man;
    int era = Showa;
    int year = 10;
    int month = 10;
    int day = 10;
};

// Types and chooses the entry's values into the registration form.
inline void fillForm(Scenario &s, const Entry &e)
{
    s.form.typeInto("Edit2", e.team);
    s.form.typeInto("Edit1", e.name);
    s.form.chooseItem("ComboBox1", e.sex);
    s.form.chooseItem("ComboBox2", e.era);
    s.form.chooseItem("ComboBox3", e.year - 1);
    s.form.chooseItem("ComboBox4", e.month - 1);
    s.form.chooseItem("ComboBox5", e.day - 1);
}

// Fills the form and presses 実行.
inline void registerMember(Scenario &s, const Entry &e)
{
    fillForm(s, e);
    s.form.Button6Click();
}

// The name of member number n in generated rosters.
inline QString memberName(int n) { return u"会員"_s + QString::number(n); }

// n roster lines as registration writes them, members 1..n, all with the given marks
// (play, leader, paste).
inline QStringList rosterLines(int n, const QString &marks = u"off,off,off"_s)
{
    QStringList lines;
    for (int k = 1; k <= n; ++k)
        lines << rosterLine(memberName(k)).sex(k % 2 ? u"男"_s : u"女"_s).marks(marks);
    return lines;
}

// Opens the メンバー登録 screen with the given roster and presses 追加登録.
inline void onRegistrationScreen(Scenario &s, const QStringList &lines)
{
    s.loadRoster(lines);
    s.form.Label40Click();
    s.form.Label84Click();
}

// What the member list shows in row r: the text at a column's x.
inline QString listText(Scenario &s, int x, int row)
{
    return s.platform.canvas("Image1").textAt(x, row * 28 + 7);
}
inline QString teamIn(Scenario &s, int row) { return listText(s, 39, row); }
inline QString nameIn(Scenario &s, int row) { return listText(s, 192, row); }
inline QString markIn(Scenario &s, int row) { return listText(s, TMainForm::MarkX, row); }

// The names of the first n members, in list order.
inline QStringList namesInOrder(Scenario &s)
{
    QStringList names;
    for (int i = 0; i < s.form.MemberCount(); ++i) names << s.form.Members[i].Name;
    return names;
}

} // namespace steps
