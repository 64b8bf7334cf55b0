// The roster's own rules: which characters a name may hold and which mark a member shows.
#include "roster/Marks.h"
#include "roster/Member.h"
#include "roster/NameCheck.h"

#include <QTest>
#include <vector>

using namespace Qt::StringLiterals;

class RosterRules : public QObject
{
    Q_OBJECT
private slots:
    void forbiddenCharacters_data();
    void forbiddenCharacters();
    void markOfAMember_data();
    void markOfAMember();
    void aPlayerOfNeitherSexCountsInNoList();
};

void RosterRules::forbiddenCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("character"); // empty: the text is stored as typed
    QTest::newRow("full-width spaces") << u"　山田　太郎　"_s << QString();
    QTest::newRow("half-width katakana") << u"ﾔﾏﾀﾞ"_s << QString();
    QTest::newRow("quote and dollar inside") << u"a\"b$"_s << QString();
    QTest::newRow("full-width comma, circled digit") << u"山，①"_s << QString();
    QTest::newRow("comma") << u"山田,太郎"_s << u","_s;
    QTest::newRow("trailing blank") << u"山田 "_s << u" "_s;
    QTest::newRow("tab") << u"山田\t"_s << u"\t"_s;
    QTest::newRow("delete") << u"山\u007f"_s << u"\u007f"_s;
    QTest::newRow("leading quote") << u"\"山田"_s << u"\""_s;
    QTest::newRow("leading dollar") << u"$,KumiA"_s << u"$"_s;
    QTest::newRow("emoji kept whole") << u"山😀田"_s << u"😀"_s;
    QTest::newRow("the first in text order") << u"山😀,"_s << u"😀"_s;
}

void RosterRules::forbiddenCharacters()
{
    QFETCH(QString, text);
    QFETCH(QString, character);
    const std::optional<QString> found = roster::forbiddenCharacter(text);
    QCOMPARE(found.value_or(QString()), character);
    if (found) return;
    // What passes splits back to itself from a registered line.
    Member m;
    roster::splitInto(roster::registeredLine(text, text, u"男"_s, u"昭和"_s, 1, 2, 3), m);
    QCOMPARE(m.Name, text);
    QCOMPARE(m.Team, text);
}

void RosterRules::markOfAMember_data()
{
    QTest::addColumn<QString>("play");
    QTest::addColumn<QString>("leader");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing") << u"off"_s << u"off"_s << QString();
    QTest::newRow("player") << u"on"_s << u"off"_s << u"出場"_s;
    QTest::newRow("leader") << u"on"_s << u"on"_s << u"リーダー"_s;
    QTest::newRow("leader D") << u"on"_s << u"d"_s << u"D リーダ"_s;
    QTest::newRow("leader not playing") << u"off"_s << u"a"_s << u"A リーダ"_s;
    QTest::newRow("unknown leader text") << u"on"_s << u"x"_s << QString();
}

void RosterRules::markOfAMember()
{
    QFETCH(QString, play);
    QFETCH(QString, leader);
    QFETCH(QString, text);
    Member m = Member::startValue();
    m.PlayMark = play;
    m.LeaderMark = leader;
    QCOMPARE(roster::markText(roster::markKind(m)), text);
}

void RosterRules::aPlayerOfNeitherSexCountsInNoList()
{
    std::vector<Member> members(3, Member::startValue());
    for (Member &m : members) m.PlayMark = u"on"_s;
    members[0].Sex = u"男性"_s;
    members[1].Sex = u"不明"_s;
    members[2].Sex = u"女性"_s;
    const roster::MarkCounts c = roster::countMarks(members);
    QCOMPARE(c.playCount, 3);
    QCOMPARE(c.menList, QList<int>({1}));
    QCOMPARE(c.womenList, QList<int>({3}));
}

QTEST_APPLESS_MAIN(RosterRules)
#include "tst_rosterrules.moc"
