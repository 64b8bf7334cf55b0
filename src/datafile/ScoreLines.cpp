#include "datafile/ScoreLines.h"

#include "grouping/Counts.h"
#include "text/CommaText.h"

using namespace Qt::StringLiterals;

namespace datafile {

namespace {

// A figure of a score record: a whole number, or empty as a record that was never
// cleared holds it.
bool isFigure(const QString &text)
{
    if (text.isEmpty()) return true;
    bool ok = false;
    text.toInt(&ok);
    return ok;
}
} // namespace

std::array<QStringList, GroupsMax> buildScoreLines(const ScoreSlotArray &records, const SlotTextArray &texts)
{
    std::array<QStringList, GroupsMax> lines;
    for (int g = 0; g < GroupsMax; ++g) {
        for (int k = 0; k < PartiesMax; ++k) {
            if (texts[g][k][0].isEmpty()) break;
            QString line = grouping::groupLetter(g);
            for (int s = 0; s < SlotsMax; ++s) {
                const QString &text = texts[g][k][s];
                if (text.isEmpty()) {
                    line += u",#,0,0,0,"_s;
                    continue;
                }
                const ScoreSlot &r = records[g][k][s];
                line += u',' + r.Entries + u',' + r.OneStrokes + u',' + r.TwoStrokes + u',' + r.Total + u',' +
                        text;
            }
            lines[g] << line;
        }
    }
    return lines;
}

std::optional<ScoreLineError> applyScoreLines(const std::array<QStringList, GroupsMax> &lines,
                                              ScoreSlotArray &records, SlotTextArray &texts)
{
    ScoreSlotArray newRecords = records;
    SlotTextArray newTexts = texts;
    for (int g = 0; g < GroupsMax; ++g) {
        const QStringList &group = lines[g];
        if (group.size() > PartiesMax)
            return ScoreLineError{
                g, PartiesMax, u"%1グループの得点の行が12行を超えています"_s.arg(grouping::groupLetter(g))};
        for (int k = 0; k < group.size(); ++k) {
            const QStringList f = text::commatext::split(group.at(k));
            qsizetype pos = 1; // the group letter is not read
            for (int s = 0; s < SlotsMax; ++s) {
                if (pos >= f.size())
                    return ScoreLineError{
                        g, k, u"得点の行の項目が足りません（%1番目の枠がありません）"_s.arg(s + 1)};
                const QString &entries = f.at(pos);
                if (entries == u"#"_s) break;
                if (pos + 5 >= f.size())
                    return ScoreLineError{
                        g, k, u"得点の行の項目が足りません（%1番目の枠が途中で終わっています）"_s.arg(s + 1)};
                const QString &one = f.at(pos + 1), &two = f.at(pos + 2), &total = f.at(pos + 3);
                for (const QString *figure : {&entries, &one, &two, &total}) {
                    if (!isFigure(*figure))
                        return ScoreLineError{
                            g, k, u"%1番目の枠の得点「%2」が整数ではありません"_s.arg(s + 1).arg(*figure)};
                }
                ScoreSlot &r = newRecords[g][k][s];
                r.Entries = entries;
                r.OneStrokes = one;
                r.TwoStrokes = two;
                r.Total = total;
                r.Summary = one + u',' + two + u',' + total;
                newTexts[g][k][s] = f.at(pos + 4) + u',' + f.at(pos + 5);
                pos += 6;
            }
        }
    }
    records = newRecords;
    texts = newTexts;
    return std::nullopt;
}

} // namespace datafile
