#include "scoring/Ranking.h"

#include "text/CommaText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace commatext = text::commatext;

namespace scoring {

namespace {

std::optional<int> figure(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

} // namespace

std::optional<QString> RankKey(const ScoreSlot &slot, RankOptions options)
{
    const auto one = figure(slot.OneStrokes);
    const auto two = figure(slot.TwoStrokes);
    const auto total = figure(slot.Total);
    if (!one || !two || !total) return std::nullopt;
    const qint64 c1 = options.oneStrokes ? *one : 0;
    const qint64 c2 = options.twoStrokes ? *two : 0;
    const qint64 key = 1000000 + qint64(*total) * 10000 + (99 - c1) * 100 + (99 - c2);
    return QString::number(key);
}

QString RankingError::message() const
{
    return u"%1グループ %2組 %3番の得点が数字ではありません。得点を入力し直して下さい"_s
        .arg(grouping::groupLetter(group))
        .arg(party + 1)
        .arg(slot + 1);
}

namespace {
// Where a record goes in a sorted list: after any equal one.
qsizetype sortedPosition(const QStringList &list, const QString &record)
{
    const auto at =
        std::upper_bound(list.begin(), list.end(), record, [](const QString &a, const QString &b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    return at - list.begin();
}
} // namespace

void insertSorted(QStringList &list, const QString &record)
{
    list.insert(sortedPosition(list, record), record);
}

Ranking rankPlayers(const ScoreSlotArray &records, const SlotTextArray &slotTexts, RankOptions options)
{
    Ranking ranking;
    for (int g = 0; g < GroupsMax; ++g) {
        for (int p = 0; p < PartiesMax; ++p) {
            for (int s = 0; s < SlotsMax; ++s) {
                const ScoreSlot &slot = records[g][p][s];
                const commatext::Fields nameAndTeam(slotTexts[g][p][s]);
                const QStringView name = nameAndTeam.size() > 0 ? nameAndTeam.at(0) : QStringView();
                const QStringView team = nameAndTeam.size() > 1 ? nameAndTeam.at(1) : QStringView();
                if (slot.Entries.isEmpty() || slot.Entries == u"0"_s) {
                    if (!slotTexts[g][p][s].isEmpty()) {
                        ranking.Unentered << u",,,,"_s + name.toString() + u',' + team.toString();
                        ranking.UnenteredPlaces << Place{g, p, s};
                    }
                    continue;
                }
                const auto key = RankKey(slot, options);
                if (!key) {
                    ranking = Ranking{};
                    ranking.error = RankingError{g, p, s};
                    return ranking;
                }
                QString record;
                record.reserve(key->size() + slot.OneStrokes.size() + slot.TwoStrokes.size() +
                               slot.Total.size() + name.size() + team.size() + 5);
                record.append(*key).append(u',').append(slot.OneStrokes).append(u',');
                record.append(slot.TwoStrokes).append(u',').append(slot.Total).append(u',');
                record.append(name).append(u',').append(team);
                const qsizetype at = sortedPosition(ranking.RankList, record);
                ranking.RankList.insert(at, record);
                ranking.RankPlaces.insert(at, Place{g, p, s});
            }
        }
    }
    return ranking;
}

RankedPlayer splitRecord(const QString &record)
{
    const QStringList f = commatext::split(record);
    return RankedPlayer{f.value(0), f.value(1), f.value(2), f.value(3), f.value(4), f.value(5)};
}

QString rankText(const RankedPlayer &player, qsizetype k)
{
    return player.ranked() ? QString::number(k + 1) : u"未入力"_s;
}

} // namespace scoring
