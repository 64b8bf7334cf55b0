#pragma once
// Steps the grouping scenarios repeat: rosters of players and leaders, starting a
// division, pasting by hand, and reading what the party panels and stored parties hold.
//
//   Scenario s;
//   groupsteps::divide(s, groupsteps::players(7, 5), u"2"_s, u"3"_s);   // おまかせ 「開始」
//   QCOMPARE(groupsteps::panelNames(s, 1), groupsteps::storedNames(s, 1, 1));

#include "support/RosterLine.h"
#include "support/Scenario.h"

#include "grouping/KumiLine.h"
#include "roster/Member.h"

namespace groupsteps {

using namespace Qt::StringLiterals;

// A roster line; play "on"/"off", leader "off", "on" or "a".."d", placement mark.
inline QString line(const QString &name, const QString &sex, const QString &play = u"on"_s,
                    const QString &leader = u"off"_s, const QString &paste = u"off"_s)
{
    return rosterLine(name).sex(sex).marks(play, leader, paste);
}

// Playing men 男1, 男2 … then playing women 女1, 女2 ….
inline QStringList players(int men, int women = 0)
{
    QStringList lines;
    for (int i = 1; i <= men; ++i) lines << line(u"男"_s + QString::number(i), u"男"_s);
    for (int i = 1; i <= women; ++i) lines << line(u"女"_s + QString::number(i), u"女"_s);
    return lines;
}

// Leaders with the mark `leader`, named prefix1, prefix2 ….
inline QStringList leaders(int count, const QString &leader, const QString &prefix)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << line(prefix + QString::number(i), u"男"_s, u"on"_s, leader);
    return lines;
}

// Loads the roster and opens the tab 「組み合わせ」, which counts and proposes.
inline void open(Scenario &s, const QStringList &roster)
{
    s.loadRoster(roster);
    s.form.Label42Click();
}

// やり直し makes the two fields editable; each is then clicked and typed into.
inline void setDivision(Scenario &s, const QString &groups, const QString &parties)
{
    if (s.form.combinationExists()) s.platform.answer(IdYes); // やり直し asks before discarding one
    s.form.Button2Click();
    s.form.clickField(u"Edit16"_s);
    s.form.typeInto("Edit16", groups);
    s.form.clickField(u"Edit6"_s);
    s.form.typeInto("Edit6", parties);
}

// Opens the roster, sets the fields and presses おまかせ 「開始」; only its boxes are kept.
inline void divide(Scenario &s, const QStringList &roster, const QString &groups, const QString &parties)
{
    open(s, roster);
    setDivision(s, groups, parties);
    s.platform.takeBoxes();
    s.form.Button1Click();
}

inline QString nameOf(const QString &rosterLine)
{
    Member m;
    roster::splitInto(rosterLine, m);
    return m.Name;
}

inline QStringList namesOf(const QStringList &lines)
{
    QStringList names;
    for (const QString &l : lines) names << nameOf(l);
    return names;
}

// The names party panel `party` (1..12) shows, from the top.
inline QStringList panelNames(Scenario &s, int party)
{
    QStringList names;
    RecordingCanvas &panel = s.platform.canvas(u"Image"_s + QString::number(10 + party));
    for (int k = 0; k < 8 && !panel.textAt(5, TMainForm::kumiLineY(k)).isEmpty(); ++k)
        names << panel.textAt(5, TMainForm::kumiLineY(k));
    return names;
}

inline QStringList storedIndexes(Scenario &s, int g, int party)
{
    const QStringList &lines = s.form.KumiLines[g - 1];
    return party <= lines.size() ? grouping::kumiline::read(lines.at(party - 1)) : QStringList();
}

// The names of a stored party: its indexes are rows of the group's list when made
// automatically, of the saved roster when made by hand.
inline QStringList storedNames(Scenario &s, int g, int party)
{
    const QStringList &rows = s.form.AutoMade == 1 ? s.form.GroupList[g - 1] : s.form.SavedMemberLines;
    QStringList names;
    for (const QString &index : storedIndexes(s, g, party)) names << nameOf(rows.at(index.toInt()));
    return names;
}

} // namespace groupsteps
