#pragma once
// Steps the table scenarios repeat: a stored combination and where the screen tables put
// their texts.

#include "support/GroupingSteps.h"
#include "support/RosterSteps.h"
#include "tables/SheetUnits.h"

namespace tablesteps {

using namespace Qt::StringLiterals;

// A roster line of a player with a team.
inline QString member(const QString &name, const QString &team)
{
    return name + u',' + team + u",男,昭和,10,10,10,0,on,off,off,,"_s;
}

// An automatic combination as the division stores it: group g (1..groups) lists members
// "g-k" of team "班g", and its party p (1..parties) holds `size` of them in list order.
inline void storeCombination(Scenario &s, int groups, int parties, int size)
{
    QStringList whole;
    for (int g = 1; g <= groups; ++g) {
        QStringList list;
        for (int k = 0; k < parties * size; ++k)
            list << member(u"%1-%2"_s.arg(g).arg(k + 1), u"班%1"_s.arg(g));
        whole << list;
        s.form.GroupList[g - 1] = list;
        QStringList lines(12, u"1"_s);
        for (int p = 0; p < parties; ++p) {
            QStringList items{QString::number(size + 1)};
            for (int k = 0; k < size; ++k) items << QString::number(p * size + k);
            lines[p] = items.join(u',');
        }
        s.form.KumiLines[g - 1] = lines;
    }
    s.loadRoster(whole);
    s.form.AutoMade = 1;
}

// The name of slot `slot` (0-based) of party `party` (1-based) of group g as stored above.
inline QString storedName(int g, int party, int slot, int size)
{
    return u"%1-%2"_s.arg(g).arg((party - 1) * size + slot + 1);
}

// Where the combination table on the screen writes a name (party 1..12, slot 0..7, ６人枠).
inline QPoint combinationNameAt(int party, int slot, int columnWidth = 143)
{
    const tables::sheet::Scale s = tables::sheet::GridScreen;
    const int E = s.X(52);
    const int H = s.offY(s.Y(24), 50);
    const int w = s.Y(53);
    return QPoint(s.offX(E + slot * columnWidth, 80), s.offY(H + w + (party - 1) * w, 28));
}

// Where the score sheet on the screen writes the name of row k (0-based, ６人枠).
inline QPoint scoreSheetNameAt(int k)
{
    const tables::sheet::Scale s = tables::sheet::ScoreSheetScreen;
    const int H = s.offY(s.Y(90), 104);
    const int w = s.Y(78);
    return QPoint(s.offX(s.X(52), 6), s.offY(H + w + k * w, 37));
}

// The visible texts of a picture.
inline QStringList textsOf(RecordingCanvas &c)
{
    QStringList texts;
    for (const DrawnText &t : c.visibleTexts()) texts << t.text;
    return texts;
}

} // namespace tablesteps
