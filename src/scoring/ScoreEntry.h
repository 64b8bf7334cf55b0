#pragma once
// Adding one confirmed entry (１打, ２打, 合計) to the record of a place, and the text a
// cell of the score-entry table shows for a record.

#include "scoring/ScoreSlots.h"

#include <QString>
#include <optional>

namespace scoring {

enum class EntryField { OneStrokes, TwoStrokes, Total, Entries };

// The entry field whose text is not a whole number, or the sum that would pass its limit.
struct EntryError {
    EntryField field = EntryField::Total;
    int limit = 0;             // the limit passed; 0 when the text is not a whole number
    QString fieldName() const; // "１打", "２打", "合計" or "確定"
    QString message() const;   // "１打には数字を入力して下さい" …
};

struct EntryResult {
    ScoreSlot slot;                  // the record with the entry added (unchanged on error)
    std::optional<EntryError> error; // set when nothing was added
};

// Adds the three figures to the running sums, counts the entry and rebuilds the summary.
// Each figure is a whole number of half- or full-width digits; a record that still holds
// the empty texts of start-up counts as zeros. The counts stay within scoring::MaxCount and
// the total within scoring::MaxTotal. Either the whole entry is added or none.
EntryResult addEntry(const ScoreSlot &record, const QString &oneStrokes, const QString &twoStrokes,
                     const QString &total);

// The question before recording an entry that cannot be one round of `holes` holes: more
// one- and two-stroke holes than holes, or fewer strokes than one per one-stroke hole, two
// per two-stroke hole and three per other hole. Nothing for a possible entry, and for
// figures that are not whole numbers (addEntry refuses those).
std::optional<QString> impossibleEntryQuestion(const QString &oneStrokes, const QString &twoStrokes,
                                               const QString &total, int holes);

// "(" Entries ")" then "#" when no entry is counted, otherwise the summary; group C puts a
// blank after the parenthesis. A record of start-up shows "()".
QString cellText(const ScoreSlot &record, bool blankAfterParenthesis = false);

} // namespace scoring
