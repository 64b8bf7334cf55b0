#include "venue/Card.h"

#include "scoring/ScoreEntry.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace venue {

Reply refusal(int status, const QString &error, int slot)
{
    Reply r{status, {{u"error"_s, error}}};
    if (slot > 0) r.body.insert(u"slot"_s, slot);
    return r;
}

namespace {

// The window's names of the fields, as the phone page names them.
QString phoneWording(QString text)
{
    return text.replace(u"１打"_s, u"ホールインワン"_s).replace(u"合計"_s, u"打数"_s);
}

// A figure as the window's entry field would hold it: a whole number is its digits, anything
// else a text the entry refuses.
QString figureText(const QJsonValue &v)
{
    if (v.isDouble()) {
        const double d = v.toDouble();
        if (d == std::floor(d) && std::abs(d) < 1e9) return QString::number(static_cast<qint64>(d));
        return QString::number(d);
    }
    if (v.isString()) return v.toString().left(8);
    return QString();
}

} // namespace

std::variant<CardRequest, Reply> parseCard(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return refusal(400, u"送られた内容を読み取れません。もう一度送信して下さい"_s);
    const QJsonObject o = doc.object();
    CardRequest r;
    r.code = o.value(u"code"_s).toString();
    r.card.id = o.value(u"id"_s).toString().left(64);
    r.versionGiven = o.contains(u"version"_s);
    r.card.version = o.value(u"version"_s).toString();
    const QJsonValue round = o.value(u"round"_s);
    const double rd = round.toDouble(-1);
    if (!round.isDouble() || rd != std::floor(rd) || rd < 1 || rd > MaxRound)
        return refusal(400, u"ラウンドは1から%1の数字で選んで下さい"_s.arg(MaxRound));
    r.card.round = static_cast<int>(rd);
    if (r.card.id.isEmpty()) return refusal(400, u"カードの識別番号がありません。ページを開き直して下さい"_s);
    const QJsonArray players = o.value(u"players"_s).toArray();
    if (players.isEmpty()) return refusal(400, u"選手の成績がありません"_s);
    for (const QJsonValue &v : players) {
        const QJsonObject p = v.toObject();
        const double sd = p.value(u"slot"_s).toDouble(-1);
        if (sd != std::floor(sd) || sd < 1 || sd > Slots)
            return refusal(400, u"選手の番号が正しくありません"_s);
        const int slot = static_cast<int>(sd);
        // Each figure is checked as the window checks a typed one, when the card is applied.
        const QString texts[] = {figureText(p.value(u"one"_s)), figureText(p.value(u"two"_s)),
                                 figureText(p.value(u"total"_s))};
        bool ok[3] = {};
        const int values[] = {texts[0].toInt(&ok[0]), texts[1].toInt(&ok[1]), texts[2].toInt(&ok[2])};
        static const char16_t *const names[] = {u"ホールインワン", u"２打", u"打数"};
        for (int i = 0; i < 3; ++i)
            if (!ok[i] || values[i] < 0)
                return refusal(
                    400, u"%1番：%2には数字を入力して下さい"_s.arg(slot).arg(QStringView(names[i])), slot);
        r.card.rows << CardRow{slot, values[0], values[1], values[2]};
    }
    return r;
}

QString partyVersion(const QList<tables::Player> &players)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const tables::Player &p : players) hash.addData((p.name + u'\t' + p.team + u'\n').toUtf8());
    return QString::fromLatin1(hash.result().toHex().left(12));
}

namespace {

// The record with a card's figures taken back, or nothing when it no longer holds them (the
// place was cleared or changed in the window since).
std::optional<ScoreSlot> takeBack(const ScoreSlot &record, const CardRow &row)
{
    bool ok[4] = {};
    const qint64 one = record.OneStrokes.toLongLong(&ok[0]) - row.one;
    const qint64 two = record.TwoStrokes.toLongLong(&ok[1]) - row.two;
    const qint64 total = record.Total.toLongLong(&ok[2]) - row.total;
    const qint64 entries = record.Entries.toLongLong(&ok[3]) - 1;
    if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || one < 0 || two < 0 || total < 0 || entries < 0)
        return std::nullopt;
    if (entries == 0) {
        if (one != 0 || two != 0 || total != 0) return std::nullopt;
        return ScoreSlot::cleared();
    }
    return ScoreSlot::recorded(QString::number(entries), QString::number(one), QString::number(two),
                               QString::number(total));
}

} // namespace

CardResult applyCard(const PartyState &party, const PartyBook &book, const CardRequest &request, int holes)
{
    CardResult result;
    const RoundCard &card = request.card;
    const auto fail = [&result](Reply reply) {
        result.reply = std::move(reply);
        return result;
    };
    const QString version = partyVersion(party.players);
    if (book.ids.contains(card.id)) {
        QJsonArray sent;
        for (const CardRow &r : card.rows) sent.append(r.slot);
        result.reply = {200, {{u"recorded"_s, sent}, {u"replaced"_s, false}, {u"duplicate"_s, true}}};
        return result;
    }
    const QString changed = u"組の顔ぶれが変わりました。組を読み込み直してから、もう一度入力して下さい"_s;
    if (request.versionGiven && card.version != version) return fail(refusal(409, changed));
    std::array<bool, Slots> seen{};
    for (const CardRow &r : card.rows) {
        if (r.slot > party.players.size()) return fail(refusal(409, changed, r.slot));
        if (seen[r.slot - 1]) return fail(refusal(400, u"%1番の選手が二度あります"_s.arg(r.slot), r.slot));
        seen[r.slot - 1] = true;
    }
    for (int s = 0; s < party.players.size() && s < Slots; ++s)
        if (!seen[s])
            return fail(refusal(400, u"%1番 %2 の成績がありません"_s.arg(s + 1).arg(party.players.at(s).name),
                                s + 1));

    std::array<ScoreSlot, Slots> records = party.records;
    // A corrected card first takes back the card of its round sent for these players.
    const RoundCard *earlier = book.cardOf(card.round);
    const bool replacing = earlier && earlier->version == version;
    if (replacing) {
        for (const CardRow &r : earlier->rows) {
            const std::optional<ScoreSlot> back = takeBack(records[r.slot - 1], r);
            if (!back)
                return fail(refusal(
                    409,
                    u"%1番の得点が本部で変更されているため、訂正できません。本部に申し出て下さい"_s.arg(
                        r.slot),
                    r.slot));
            records[r.slot - 1] = *back;
        }
    }
    QJsonArray recorded;
    for (const CardRow &r : card.rows) {
        const QString one = QString::number(r.one);
        const QString two = QString::number(r.two);
        const QString total = QString::number(r.total);
        const QString who = u"%1番 %2："_s.arg(r.slot).arg(party.players.at(r.slot - 1).name);
        const scoring::EntryResult added = scoring::addEntry(records[r.slot - 1], one, two, total);
        if (added.error) return fail(refusal(400, who + phoneWording(added.error->message()), r.slot));
        if (std::optional<QString> question = scoring::impossibleEntryQuestion(one, two, total, holes)) {
            question->replace(u"このまま記録しますか"_s, u"見直して下さい"_s);
            return fail(refusal(400, who + phoneWording(*question), r.slot));
        }
        records[r.slot - 1] = added.slot;
        recorded.append(r.slot);
    }
    result.store = true;
    result.records = records;
    result.book = book;
    result.book.ids << card.id;
    RoundCard kept = card;
    kept.version = version;
    result.book.cards.removeIf([&](const RoundCard &c) { return c.round == card.round; });
    result.book.cards << kept;
    result.reply = {200, {{u"recorded"_s, recorded}, {u"replaced"_s, replacing}, {u"duplicate"_s, false}}};
    return result;
}

} // namespace venue
