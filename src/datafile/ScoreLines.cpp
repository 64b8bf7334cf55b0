#include "datafile/ScoreLines.h"

#include "datafile/FieldChecks.h"
#include "grouping/Counts.h"
#include "text/CommaText.h"

using namespace Qt::StringLiterals;

namespace datafile {

namespace {

// The figures of a slot in file order, with the largest value each may hold.
struct Figure {
    const char16_t *name;
    int high;
};
constexpr Figure kFigures[4] = {{u"確定数", scoring::MaxCount},
                                {u"一打数", scoring::MaxCount},
                                {u"二打数", scoring::MaxCount},
                                {u"合計", scoring::MaxTotal}};

// A figure of a score record: a whole number within its range, or empty as a record that
// was never cleared holds it (which has no entry: the sums of an entry are numbers).
bool isFigure(QStringView text, int high, bool entered)
{
    return text.isEmpty() ? !entered : bool(decimalIn(text, 0, high));
}

// What is wrong with a field of a score line as the comma-text rule reads it, or an empty
// text; the name and team of a slot (maxBytes above 0) are held to the rules of registration.
QString scoreFieldFault(const QString &field, qsizetype index, int maxBytes = 0)
{
    const FieldName fieldName = [&] {
        return u"得点の行の%1番目の項目「%2」"_s.arg(index + 1).arg(shown(field));
    };
    return maxBytes > 0 ? nameFault(field, maxBytes, fieldName) : splittingFault(field, fieldName);
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

namespace {
// Reads every slot of every score line, handing each slot that holds a player to store
// with the line's fields and the position of the slot's first field.
template <typename Store>
std::optional<ScoreLineError> readScoreLines(const std::array<QStringList, GroupsMax> &lines, Store store)
{
    for (int g = 0; g < GroupsMax; ++g) {
        const QStringList &group = lines[g];
        if (group.size() > PartiesMax)
            return ScoreLineError{
                g, PartiesMax, u"%1グループの得点の行が12行を超えています"_s.arg(grouping::groupLetter(g))};
        for (int k = 0; k < group.size(); ++k) {
            // The program writes every field as it stands; the comma-text rule must read the
            // line's fields where its commas put them.
            const QStringList plain = group.at(k).split(u',');
            for (qsizetype i = 0; i < plain.size(); ++i) {
                const QString fault = scoreFieldFault(plain.at(i), i);
                if (!fault.isEmpty()) return ScoreLineError{g, k, fault};
            }
            const text::commatext::Fields f(group.at(k));
            qsizetype pos = 1; // the group letter is not read
            for (int s = 0; s < SlotsMax; ++s) {
                if (pos >= f.size())
                    return ScoreLineError{
                        g, k, u"得点の行の項目が足りません（%1番目の枠がありません）"_s.arg(s + 1)};
                if (f.at(pos) == u"#"_s) break;
                if (pos + 5 >= f.size())
                    return ScoreLineError{
                        g, k, u"得点の行の項目が足りません（%1番目の枠が途中で終わっています）"_s.arg(s + 1)};
                const bool entered = !f.at(pos).isEmpty() && f.at(pos) != u"0"_s;
                for (qsizetype i = 0; i < 4; ++i) {
                    if (!isFigure(f.at(pos + i), kFigures[i].high, entered && i > 0))
                        return ScoreLineError{
                            g, k,
                            u"%1番目の枠の%2「%3」が0〜%4の整数ではありません"_s.arg(s + 1)
                                .arg(QString::fromUtf16(kFigures[i].name), shown(f.at(pos + i)))
                                .arg(kFigures[i].high)};
                }
                for (qsizetype i = pos + 4; i < pos + 6; ++i) {
                    const QString fault =
                        scoreFieldFault(f.at(i).toString(), i, i == pos + 4 ? NameBytes : TeamBytes);
                    if (!fault.isEmpty()) return ScoreLineError{g, k, fault};
                }
                store(g, k, s, f, pos);
                pos += 6;
            }
        }
    }
    return std::nullopt;
}
} // namespace

std::optional<ScoreLineError> checkScoreLines(const std::array<QStringList, GroupsMax> &lines)
{
    return readScoreLines(lines, [](int, int, int, const text::commatext::Fields &, qsizetype) {});
}

std::optional<ScoreLineError> applyScoreLines(const std::array<QStringList, GroupsMax> &lines,
                                              ScoreSlotArray &records, SlotTextArray &texts)
{
    // Every line is checked before anything is filled in, so a damaged line changes nothing.
    if (const auto fault = checkScoreLines(lines)) return fault;
    readScoreLines(lines, [&](int g, int k, int s, const text::commatext::Fields &f, qsizetype pos) {
        records[g][k][s] = ScoreSlot::recorded(f.at(pos).toString(), f.at(pos + 1).toString(),
                                               f.at(pos + 2).toString(), f.at(pos + 3).toString());
        texts[g][k][s] = f.at(pos + 4) + u',' + f.at(pos + 5);
    });
    return std::nullopt;
}

} // namespace datafile
