// The text form of a party and of a group's twelve parties.
#include "grouping/KumiLine.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace kumiline = grouping::kumiline;

class KumiLines : public QObject
{
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void roundTrips_data();
    void roundTrips();
};

void KumiLines::reading_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("party");
    QTest::newRow("empty party") << u"1"_s << QStringList();
    QTest::newRow("three in slot order") << u"4,3,0,7"_s << QStringList{u"3"_s, u"0"_s, u"7"_s};
    QTest::newRow("count exceeds the fields") << u"5,4,2"_s << QStringList{u"4"_s, u"2"_s};
    QTest::newRow("fields beyond the count") << u"2,5,6,7"_s << QStringList{u"5"_s};
    QTest::newRow("only the first character counts") << u"12,1,2"_s << QStringList();
    QTest::newRow("no digit first") << u"x,1"_s << QStringList();
    QTest::newRow("empty line") << QString() << QStringList();
}

void KumiLines::reading()
{
    QFETCH(QString, line);
    QFETCH(QStringList, party);
    QCOMPARE(kumiline::read(line), party);
}

void KumiLines::roundTrips_data()
{
    QTest::addColumn<kumiline::PartyLists>("parties");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("twelve empty parties") << kumiline::PartyLists{} << QStringList(12, u"1"_s);
    kumiline::PartyLists eight;
    eight[2] = QStringList{u"7"_s, u"6"_s, u"5"_s, u"4"_s, u"3"_s, u"2"_s, u"1"_s, u"95"_s};
    eight[11] = QStringList{u"0"_s};
    QStringList eightLines(12, u"1"_s);
    eightLines[2] = u"9,7,6,5,4,3,2,1,95"_s;
    eightLines[11] = u"2,0"_s;
    QTest::newRow("a party of eight") << eight << eightLines;
}

void KumiLines::roundTrips()
{
    QFETCH(kumiline::PartyLists, parties);
    QFETCH(QStringList, lines);
    QCOMPARE(kumiline::store(parties), lines);
    QCOMPARE(kumiline::load(lines), parties);
    // Missing lines leave their parties empty; lines after the twelfth go nowhere.
    QCOMPARE(kumiline::store(kumiline::load(lines.mid(0, 3))).mid(3), QStringList(9, u"1"_s));
    QCOMPARE(kumiline::load(lines + QStringList{u"2,40"_s}), parties);
}

QTEST_APPLESS_MAIN(KumiLines)
#include "tst_kumiline.moc"
