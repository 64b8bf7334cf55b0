#include "venue/Book.h"

#include "grouping/Counts.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace venue {

const RoundCard *PartyBook::cardOf(int round) const
{
    for (const RoundCard &c : cards)
        if (c.round == round) return &c;
    return nullptr;
}

bool Book::giveCodes(const std::function<bool(int, int)> &filled, const std::function<int()> &random4)
{
    bool given = false;
    for (int g = 0; g < Groups; ++g)
        for (int k = 0; k < Parties; ++k) {
            PartyBook &p = m_parties[g][k];
            if (!p.code.isEmpty() || !filled(g, k)) continue;
            p.code = QString::number(random4() % 10000).rightJustified(4, u'0');
            given = true;
        }
    return given;
}

namespace {
const QString kGroupLetters = u"ABCD"_s;

QJsonObject cardJson(const RoundCard &c)
{
    QJsonArray rows;
    for (const CardRow &r : c.rows)
        rows.append(
            QJsonObject{{u"slot"_s, r.slot}, {u"one"_s, r.one}, {u"two"_s, r.two}, {u"total"_s, r.total}});
    return {{u"id"_s, c.id}, {u"round"_s, c.round}, {u"version"_s, c.version}, {u"players"_s, rows}};
}

// A whole number in 0..limit, or nothing.
std::optional<int> boundedInt(const QJsonValue &v, int limit)
{
    if (!v.isDouble()) return std::nullopt;
    const double d = v.toDouble();
    if (d < 0 || d > limit || d != static_cast<int>(d)) return std::nullopt;
    return static_cast<int>(d);
}

std::optional<RoundCard> cardFrom(const QJsonObject &o)
{
    RoundCard c;
    c.id = o.value(u"id"_s).toString();
    c.version = o.value(u"version"_s).toString();
    const auto round = boundedInt(o.value(u"round"_s), MaxRound);
    if (c.id.isEmpty() || !round || *round < 1) return std::nullopt;
    c.round = *round;
    for (const QJsonValue &v : o.value(u"players"_s).toArray()) {
        const QJsonObject r = v.toObject();
        const auto slot = boundedInt(r.value(u"slot"_s), Slots);
        const auto one = boundedInt(r.value(u"one"_s), 99);
        const auto two = boundedInt(r.value(u"two"_s), 99);
        const auto total = boundedInt(r.value(u"total"_s), 999);
        if (!slot || *slot < 1 || !one || !two || !total) return std::nullopt;
        c.rows << CardRow{*slot, *one, *two, *total};
    }
    return c;
}
} // namespace

QByteArray Book::toJson() const
{
    QJsonArray parties;
    for (int g = 0; g < Groups; ++g)
        for (int k = 0; k < Parties; ++k) {
            const PartyBook &p = m_parties[g][k];
            if (p.code.isEmpty() && p.cards.isEmpty() && p.ids.isEmpty()) continue;
            QJsonArray cards;
            for (const RoundCard &c : p.cards) cards.append(cardJson(c));
            parties.append(QJsonObject{{u"group"_s, grouping::groupLetter(g)},
                                       {u"party"_s, k + 1},
                                       {u"code"_s, p.code},
                                       {u"cards"_s, cards},
                                       {u"ids"_s, QJsonArray::fromStringList(p.ids)}});
        }
    return QJsonDocument(QJsonObject{{u"kmtx-venue"_s, 1}, {u"parties"_s, parties}}).toJson();
}

std::optional<Book> Book::fromJson(const QByteArray &bytes, QString *why)
{
    const auto fail = [why](const QString &reason) {
        if (why) *why = reason;
        return std::optional<Book>();
    };
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return fail(u"読み取れない形式です"_s);
    if (doc.object().value(u"kmtx-venue"_s).toInt() != 1) return fail(u"４けたの番号の控えではありません"_s);
    Book book;
    for (const QJsonValue &v : doc.object().value(u"parties"_s).toArray()) {
        const QJsonObject o = v.toObject();
        const qsizetype g = kGroupLetters.indexOf(o.value(u"group"_s).toString());
        const int k = o.value(u"party"_s).toInt() - 1;
        const QString code = o.value(u"code"_s).toString();
        const bool codeOk = code.isEmpty() || (code.size() == 4 && code.toInt() >= 0 &&
                                               std::all_of(code.cbegin(), code.cend(),
                                                           [](QChar c) { return c >= u'0' && c <= u'9'; }));
        if (o.value(u"group"_s).toString().size() != 1 || g < 0 || k < 0 || k >= Parties || !codeOk)
            return fail(u"組の記録が壊れています"_s);
        PartyBook &p = book.m_parties[g][k];
        p.code = code;
        for (const QJsonValue &c : o.value(u"cards"_s).toArray()) {
            const std::optional<RoundCard> card = cardFrom(c.toObject());
            if (!card)
                return fail(
                    u"%1グループ%2組のカードが壊れています"_s.arg(grouping::groupLetter(g)).arg(k + 1));
            p.cards << *card;
        }
        for (const QJsonValue &id : o.value(u"ids"_s).toArray()) p.ids << id.toString();
    }
    return book;
}

QString bookPath(const QString &meetingFile)
{
    const QFileInfo info(meetingFile);
    return info.dir().filePath(info.completeBaseName() + u".venue.json"_s);
}

} // namespace venue
