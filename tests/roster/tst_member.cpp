// The member record: splitting roster lines of both shapes, rebuilding them, ages.
#include "roster/Member.h"

#include <QTest>

using namespace Qt::StringLiterals;

class MemberRecord : public QObject
{
    Q_OBJECT
private slots:
    void registeredAndRebuiltLinesSplitAlike();
    void registeredLineShape();
    void fullWidthSpaceSurvivesARebuild();
    void age_data();
    void age();
    void damagedLinesNeverLeaveARecordHalfSplit_data();
    void damagedLinesNeverLeaveARecordHalfSplit();
};

void MemberRecord::registeredAndRebuiltLinesSplitAlike()
{
    const QString registered =
        roster::registeredLine(u"山田一郎"_s, u"緑会"_s, u"男"_s, u"昭和"_s, 10, 10, 10);
    Member a = Member::startValue();
    roster::splitInto(registered, a);
    const QString rebuilt = roster::rebuildLine(a);
    QCOMPARE(rebuilt, u"山田一郎,緑会,男性,昭和,10,10,10,0,off,off,off,"_s);
    Member b = Member::startValue();
    roster::splitInto(rebuilt, b);
    QCOMPARE(a, b);
    QCOMPARE(a.Sex, u"男性"_s);
}

void MemberRecord::registeredLineShape()
{
    QCOMPARE(roster::registeredLine(u"花子"_s, u"すみれ"_s, u"女"_s, u"昭和"_s, 30, 5, 1),
             u"花子,すみれ,女,昭和,30,5,1,0,off,off,off,,"_s);
}

void MemberRecord::fullWidthSpaceSurvivesARebuild()
{
    Member m = Member::startValue();
    roster::splitInto(u"山田　太郎,緑　会,女,非表示,1,1,1,0,on,a,off,,"_s, m);
    QCOMPARE(m.Name, u"山田　太郎"_s);
    QCOMPARE(m.Team, u"緑　会"_s);
    Member again = Member::startValue();
    roster::splitInto(roster::rebuildLine(m), again);
    QCOMPARE(again, m);
    QCOMPARE(again.LeaderMark, u"a"_s);
    QVERIFY(again.plays());
}

void MemberRecord::age_data()
{
    QTest::addColumn<QString>("era");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("thisYear");
    QTest::addColumn<int>("today");
    QTest::addColumn<QString>("age");
    QTest::newRow("昭和10年10月10日, the day before") << u"昭和"_s << u"10"_s << 2026 << 1009 << u"90"_s;
    QTest::newRow("昭和10年10月10日, on the birthday") << u"昭和"_s << u"10"_s << 2026 << 1010 << u"91"_s;
    QTest::newRow("大正 64 reads as 1975") << u"大正"_s << u"64"_s << 2026 << 1231 << u"51"_s;
    QTest::newRow("平成 1") << u"平成"_s << u"1"_s << 2026 << 101 << u"36"_s;
    QTest::newRow("非表示 keeps the age read") << u"非表示"_s << u"10"_s << 2026 << 1231 << u"0"_s;
    QTest::newRow("西暦 keeps the age read") << u"西暦"_s << u"10"_s << 2026 << 1231 << u"0"_s;
}

void MemberRecord::age()
{
    QFETCH(QString, era);
    QFETCH(QString, year);
    QFETCH(int, thisYear);
    QFETCH(int, today);
    QFETCH(QString, age);
    Member m = Member::startValue();
    roster::splitInto(u"名,会,男,"_s + era + u',' + year + u",10,10,0,off,off,off,,"_s, m);
    roster::recomputeAge(m, thisYear, today);
    QCOMPARE(m.Age, age);
}

void MemberRecord::damagedLinesNeverLeaveARecordHalfSplit_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("three fields") << u"山田,緑会,男"_s
                                  << QStringList{u"山田"_s, u"緑会"_s, u"男性"_s, QString(),
                                                 QString(), QString(), QString(), QString(),
                                                 QString(), QString(), QString()};
    QTest::newRow("non-decimal year keeps the age")
        << u"山田,緑会,女,昭和,xx,10,10,77,on,off,off,"_s
        << QStringList{u"山田"_s, u"緑会"_s, u"女性"_s, u"昭和"_s, u"xx"_s, u"10"_s,
                       u"10"_s,   u"77"_s,   u"on"_s,   u"off"_s,  u"off"_s};
    QTest::newRow("non-decimal day keeps the age")
        << u"山田,緑会,女,昭和,10,10,?,77,on,off,off,"_s
        << QStringList{u"山田"_s, u"緑会"_s, u"女性"_s, u"昭和"_s, u"10"_s, u"10"_s,
                       u"?"_s,    u"77"_s,   u"on"_s,   u"off"_s,  u"off"_s};
    QTest::newRow("empty line") << QString() << QStringList{QString(), QString(), QString(), QString(),
                                                            QString(), QString(), QString(), QString(),
                                                            QString(), QString(), QString()};
}

void MemberRecord::damagedLinesNeverLeaveARecordHalfSplit()
{
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    Member m = Member::startValue();
    m.Spare = u"x"_s;
    roster::splitInto(line, m);
    roster::recomputeAge(m, 2026, 1207);
    for (int i = 0; i < 11; ++i) QCOMPARE(m.field(i), fields.at(i));
    QCOMPARE(m.Spare, u"x"_s); // the twelfth field is never read
}

QTEST_APPLESS_MAIN(MemberRecord)
#include "tst_member.moc"
