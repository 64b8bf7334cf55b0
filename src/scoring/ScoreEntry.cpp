#include "scoring/ScoreEntry.h"

#include "grouping/WholeNumber.h"

using namespace Qt::StringLiterals;

namespace scoring {

namespace {

// A stored sum: the empty text of start-up counts as zero.
std::optional<qint64> storedSum(const QString &text)
{
    if (text.isEmpty()) return 0;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok) return std::nullopt;
    return value;
}

} // namespace

QString EntryError::fieldName() const
{
    switch (field) {
    case EntryField::OneStrokes: return u"１打"_s;
    case EntryField::TwoStrokes: return u"２打"_s;
    case EntryField::Entries: return u"確定"_s;
    case EntryField::Total: break;
    }
    return u"合計"_s;
}

QString EntryError::message() const
{
    if (limit == 0) return fieldName() + u"には数字を入力して下さい"_s;
    if (field == EntryField::Entries) return u"確定の回数が%1を超えるため入力できません"_s.arg(limit);
    return u"%1の累計が%2を超えるため入力できません"_s.arg(fieldName()).arg(limit);
}

std::optional<QString> impossibleEntryQuestion(const QString &oneStrokes, const QString &twoStrokes,
                                               const QString &total, int holes)
{
    const auto one = grouping::wholeNumber(oneStrokes);
    const auto two = grouping::wholeNumber(twoStrokes);
    const auto strokes = grouping::wholeNumber(total);
    if (!one || !two || !strokes) return std::nullopt;
    const qint64 finished = qint64(*one) + *two;
    if (finished <= holes && *strokes >= *one + 2 * qint64(*two) + 3 * (holes - finished))
        return std::nullopt;
    return u"この得点はありえない値です（１打%1・２打%2・合計%3、%4ホール）。このまま記録しますか"_s.arg(*one)
        .arg(*two)
        .arg(*strokes)
        .arg(holes);
}

EntryResult addEntry(const ScoreSlot &record, const QString &oneStrokes, const QString &twoStrokes,
                     const QString &total)
{
    const auto one = grouping::wholeNumber(oneStrokes);
    if (!one) return {record, EntryError{EntryField::OneStrokes}};
    const auto two = grouping::wholeNumber(twoStrokes);
    if (!two) return {record, EntryError{EntryField::TwoStrokes}};
    const auto strokes = grouping::wholeNumber(total);
    if (!strokes) return {record, EntryError{EntryField::Total}};

    // A stored text that is not a number was never written by an entry; it counts as
    // the field it stands in, so the entry is refused rather than added to garbage.
    const auto sumOne = storedSum(record.OneStrokes);
    if (!sumOne) return {record, EntryError{EntryField::OneStrokes}};
    const auto sumTwo = storedSum(record.TwoStrokes);
    if (!sumTwo) return {record, EntryError{EntryField::TwoStrokes}};
    const auto sumTotal = storedSum(record.Total);
    if (!sumTotal) return {record, EntryError{EntryField::Total}};
    const auto entries = storedSum(record.Entries);
    if (!entries) return {record, EntryError{EntryField::Total}};

    const struct {
        qint64 sum;
        int limit;
        EntryField field;
    } sums[4] = {{*sumOne + *one, MaxCount, EntryField::OneStrokes},
                 {*sumTwo + *two, MaxCount, EntryField::TwoStrokes},
                 {*sumTotal + *strokes, MaxTotal, EntryField::Total},
                 {*entries + 1, MaxCount, EntryField::Entries}};
    for (const auto &s : sums)
        if (s.sum > s.limit) return {record, EntryError{s.field, s.limit}};

    return {ScoreSlot::recorded(QString::number(*entries + 1), QString::number(*sumOne + *one),
                                QString::number(*sumTwo + *two), QString::number(*sumTotal + *strokes)),
            std::nullopt};
}

QString cellText(const ScoreSlot &record, bool blankAfterParenthesis)
{
    QString text = u'(' + record.Entries + u')';
    if (blankAfterParenthesis) text += u' ';
    text += record.Entries == u"0"_s ? u"#"_s : record.Summary;
    return text;
}

} // namespace scoring
