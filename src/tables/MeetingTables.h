#pragma once
// What the tables show of a meeting as the data file holds it, without the window: the
// players of every party, the score records of every place and the rows of the tables
// as comma-separated files.

#include "datafile/Meeting.h"
#include "scoring/Ranking.h"
#include "scoring/ScoreSlots.h"
#include "tables/TableOptions.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>

namespace tables {

using PartyPlayers = std::array<QList<Player>, 12>;

// The player an item of a party names: row `item` of `numbering` (the group's list for a
// combination made automatically, the whole roster for one made by hand); a player without
// name when the item names no row.
Player playerAt(const QStringList &numbering, const QString &item);

// The players of the stored parties `kumiLines` of one group, numbered by `numbering`.
PartyPlayers partiesOf(const QStringList &kumiLines, const QStringList &numbering);

// The players of parties 1 to 12 of group g (0..3), numbered as the meeting numbers them.
PartyPlayers partiesOfGroup(const datafile::Meeting &meeting, int g);

// The slot texts ("name,team", as the combination table writes them) of every place the
// parties of group g (0..3) fill. A place counts when the combination fills it, whether or
// not a table of its group was drawn; places the parties do not fill keep their text.
void writeSlotTexts(SlotTextArray &texts, int g, const PartyPlayers &parties);

// True when some party of the group holds a player.
bool hasPlayers(const PartyPlayers &parties);

// The score records and slot texts of a meeting, from cleared records, with the slot texts
// of every placed player; nothing when a score line is damaged (the reader refuses such a
// file before).
struct MeetingScores {
    ScoreSlotArray records;
    SlotTextArray slotTexts;
};
std::optional<MeetingScores> scoresOf(const datafile::Meeting &meeting);

// ---- Names of print jobs and PDF files --------------------------------------------------

// The program, as a PDF names its maker whether the window or kmtx-export made it.
QString pdfCreator();

// The name of a print job, and the title of a PDF of the same table: the tournament, the
// table and the part of it shown, blank parts left out ("春季大会 組み合わせ表 A").
QString documentName(const QStringList &parts);

// ---- Comma-separated files ------------------------------------------------------------
// UTF-8 with a byte-order mark and CR LF line ends, so a spreadsheet opens them as they
// are; a field holding a comma, a double quote or a line end is quoted, and one that begins
// as a formula does (= + - @, a tab or a CR) is quoted after an apostrophe, so that it is
// read as text.

QByteArray csvDocument(const QList<QStringList> &rows);

// 番号,氏名,チーム: every roster line.
QList<QStringList> memberRows(const QStringList &rosterLines);

// グループ,組,番,氏名,チーム: the players of the groups given (letters "A".."D").
struct GroupParties {
    QString letter;
    PartyPlayers parties;
};
QList<QStringList> combinationRows(const QList<GroupParties> &groups);

// 順位,氏名,チーム,一打,二打,合計,グループ,組: the ranking in its order, rank k + 1 for record
// k, then the placed players without an entry, ranked "未入力" with empty figures; each with
// the group letter and party number of the player's place.
QList<QStringList> resultRows(const scoring::Ranking &ranking);

// グループ,組,番,氏名,チーム,確定,一打,二打,合計: every player of the groups given with the
// record of the place; a place without entries shows 0 entries and empty figures.
QList<QStringList> scoreEntryRows(const QList<GroupParties> &groups, const ScoreSlotArray &records);

} // namespace tables
