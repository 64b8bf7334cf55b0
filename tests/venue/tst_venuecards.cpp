// A party's card from a phone: checked as a typed entry is, all or nothing, recorded once
// when sent again, and a corrected card in place of its round's earlier one.
#include "venue/Card.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace venue;

namespace {
// A card of the three players: "one,two,total" for slots 1..3, or other fields as given.
QByteArray card(const QString &id, int round, const QStringList &rows, const QJsonObject &extra = {})
{
    QJsonArray players;
    for (qsizetype s = 0; s < rows.size(); ++s) {
        const QStringList f = rows.at(s).split(u',');
        QJsonObject p{{u"slot"_s, f.size() > 3 ? f.at(3).toInt() : int(s + 1)}};
        const char16_t *names[] = {u"one", u"two", u"total"};
        for (int i = 0; i < 3; ++i) {
            bool number = false;
            const int v = f.at(i).toInt(&number);
            p.insert(QString::fromUtf16(names[i]), number ? QJsonValue(v) : QJsonValue(f.at(i)));
        }
        players.append(p);
    }
    QJsonObject o{{u"code"_s, u"1234"_s}, {u"id"_s, id}, {u"round"_s, round}, {u"players"_s, players}};
    for (auto it = extra.begin(); it != extra.end(); ++it) o.insert(it.key(), it.value());
    return QJsonDocument(o).toJson();
}
const QStringList kCard{u"2,3,20"_s, u"0,2,24"_s, u"1,1,22"_s};
} // namespace

class VenueCardsTest : public QObject
{
    Q_OBJECT
private slots:
    void cardsInTurn_data();
    void cardsInTurn();
    void bookKeptBesideTheMeeting();
};

void VenueCardsTest::cardsInTurn_data()
{
    // "clear" clears slot 1 in the window between cards; "full" gives it 99 entries.
    QTest::addColumn<QList<QByteArray>>("sent");
    QTest::addColumn<int>("status");    // of the last card
    QTest::addColumn<QString>("error"); // part of its error text
    QTest::addColumn<int>("slot");      // the slot it names
    QTest::addColumn<QString>("first"); // slot 1 afterwards: entries,one,two,total

    const QByteArray a = card(u"a"_s, 1, kCard);
    QTest::newRow("a card") << QList{a} << 200 << QString() << 0 << u"1,2,3,20"_s;
    QTest::newRow("sent again") << QList{a, a} << 200 << QString() << 0 << u"1,2,3,20"_s;
    QTest::newRow("corrected") << QList{a, card(u"b"_s, 1, {u"1,1,21"_s, u"0,2,24"_s, u"1,1,22"_s})} << 200
                               << QString() << 0 << u"1,1,1,21"_s;
    QTest::newRow("next round") << QList{a, card(u"b"_s, 2, kCard)} << 200 << QString() << 0 << u"2,4,6,40"_s;
    QTest::newRow("a player missing")
        << QList{card(u"a"_s, 1, kCard.mid(0, 2))} << 400 << u"3番 佐藤"_s << 3 << u"0,0,0,0"_s;
    QTest::newRow("a slot twice") << QList{card(u"a"_s, 1, {u"2,3,20"_s, u"0,2,24,1"_s, u"1,1,22"_s})} << 400
                                  << u"二度"_s << 1 << u"0,0,0,0"_s;
    QTest::newRow("a slot without a player")
        << QList{card(u"a"_s, 1, {u"2,3,20"_s, u"0,2,24"_s, u"1,1,22"_s, u"1,1,22,4"_s})} << 409
        << u"顔ぶれ"_s << 4 << u"0,0,0,0"_s;
    QTest::newRow("the party changed since") << QList{card(u"a"_s, 1, kCard, {{u"version"_s, u"0123"_s}})}
                                             << 409 << u"顔ぶれ"_s << 0 << u"0,0,0,0"_s;
    QTest::newRow("not a number") << QList{card(u"a"_s, 1, {u"2,3,20"_s, u"x,2,24"_s, u"1,1,22"_s})} << 400
                                  << u"2番：ホールインワンには数字"_s << 2 << u"0,0,0,0"_s;
    QTest::newRow("below zero") << QList{card(u"a"_s, 1, {u"2,3,20"_s, u"0,2,24"_s, u"1,-1,22"_s})} << 400
                                << u"3番：２打には数字"_s << 3 << u"0,0,0,0"_s;
    // Nothing of the card is kept: slot 1 was fine.
    QTest::newRow("impossible for eight holes")
        << QList{card(u"a"_s, 1, {u"2,3,20"_s, u"9,0,9"_s, u"1,1,22"_s})} << 400 << u"ありえない"_s << 2
        << u"0,0,0,0"_s;
    QTest::newRow("round ten") << QList{card(u"a"_s, 10, kCard)} << 400 << u"ラウンド"_s << 0 << u"0,0,0,0"_s;
    QTest::newRow("over the entries limit")
        << QList{QByteArray("full"), a} << 400 << u"1番 山田：確定の回数が99"_s << 1 << u"99,0,0,800"_s;
    QTest::newRow("correction after a clear in the window")
        << QList{a, QByteArray("clear"), card(u"b"_s, 1, kCard)} << 409 << u"訂正できません"_s << 1
        << u"0,0,0,0"_s;
}

void VenueCardsTest::cardsInTurn()
{
    QFETCH(QList<QByteArray>, sent);
    QFETCH(int, status);
    QFETCH(QString, error);
    QFETCH(int, slot);
    QFETCH(QString, first);

    PartyState party;
    party.players = {{u"山田"_s, u"東"_s}, {u"鈴木"_s, u"西"_s}, {u"佐藤"_s, u"南"_s}};
    party.records.fill(ScoreSlot::cleared());
    PartyBook book;
    Reply last;
    for (qsizetype i = 0; i < sent.size(); ++i) {
        if (sent[i] == "clear" || sent[i] == "full") {
            party.records[0] = sent[i] == "clear"
                                   ? ScoreSlot::cleared()
                                   : ScoreSlot{u"0,0,800"_s, u"0"_s, u"0"_s, u"800"_s, u"99"_s};
            continue;
        }
        const auto parsed = parseCard(sent[i]);
        if (const Reply *bad = std::get_if<Reply>(&parsed)) {
            last = *bad;
            continue;
        }
        CardResult r = applyCard(party, book, std::get<CardRequest>(parsed), 8);
        last = r.reply;
        if (r.store) {
            party.records = r.records;
            book = r.book;
        }
    }
    QCOMPARE(last.status, status);
    QVERIFY2(last.body.value(u"error"_s).toString().contains(error),
             qPrintable(last.body.value(u"error"_s).toString()));
    QCOMPARE(last.body.value(u"slot"_s).toInt(), slot);
    const ScoreSlot &r = party.records[0];
    QCOMPARE(QStringList({r.Entries, r.OneStrokes, r.TwoStrokes, r.Total}).join(u','), first);
}

void VenueCardsTest::bookKeptBesideTheMeeting()
{
    Book book;
    const bool given = book.giveCodes([](int g, int k) { return g == 1 && k < 3; }, [] { return 42; });
    QVERIFY(given);
    QCOMPARE(book.party(1, 2).code, u"0042"_s);
    QVERIFY(book.party(0, 0).code.isEmpty());
    QVERIFY(!book.giveCodes([](int, int) { return true; }, [] { return 42; }) ||
            book.party(1, 0).code == u"0042"_s);
    book.party(1, 0).cards << RoundCard{u"x"_s, 3, u"v"_s, {CardRow{1, 2, 3, 30}}};
    book.party(1, 0).ids << u"x"_s;
    QString why;
    QCOMPARE(Book::fromJson(book.toJson(), &why), std::optional(book));
    QCOMPARE(bookPath(u"/m/春季 大会.txt"_s), u"/m/春季 大会.venue.json"_s);
    for (const QByteArray &damaged :
         {QByteArray("{"), QByteArray(R"({"kmtx-venue":1,"parties":[{"group":"E"}]})"),
          QByteArray(R"({"kmtx-venue":1,"parties":[{"group":"A","party":1,"code":"12a4"}]})")}) {
        QVERIFY(!Book::fromJson(damaged, &why));
        QVERIFY(!why.isEmpty());
    }
}

QTEST_APPLESS_MAIN(VenueCardsTest)
#include "tst_venuecards.moc"
