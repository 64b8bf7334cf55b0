// The check of a stored combination: who stands in which party, the counts per party
// and group, and the team-mates sharing a party, for both kinds of member index.
#include "grouping/CombinationCheck.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace grouping;

namespace {

QString line(const QString &name, const QString &team, const QString &sex, const QString &leader = u"off"_s)
{
    return u"%1,%2,%3,昭和,20,5,26,0,on,%4,on,"_s.arg(name, team, sex, leader);
}

} // namespace

class CombinationCheck_ : public QObject
{
    Q_OBJECT
private slots:
    void automaticIndexesReadTheGroupsOwnList();
    void handMadeIndexesReadTheWholeRoster();
    void threeTeamMatesMakeThreePairs();
    void indexesPastTheListAreSkipped();
};

void CombinationCheck_::automaticIndexesReadTheGroupsOwnList()
{
    std::array<QStringList, 4> groups;
    groups[0] = QStringList{line(u"甲"_s, u"緑"_s, u"男性"_s, u"on"_s), line(u"乙"_s, u"緑"_s, u"女性"_s),
                            line(u"丙"_s, u"空"_s, u"男"_s), line(u"丁"_s, u"空"_s, u"女"_s)};
    groups[1] = QStringList{line(u"戊"_s, u"海"_s, u"男性"_s)};
    std::array<QStringList, 4> kumi;
    kumi[0] = QStringList{u"3,0,1"_s, u"3,2,3"_s};
    kumi[1] = QStringList{u"1"_s, u"2,0"_s};
    const QList<GroupCheck> checked = checkCombination(kumi, groups, QStringList{}, false);
    QCOMPARE(checked.size(), 2);
    const GroupCheck &a = checked.at(0);
    QCOMPARE(a.group, 1);
    QCOMPARE(a.parties.size(), 2);
    QCOMPARE(a.players, 4);
    QCOMPARE(a.leaders, 1);
    QCOMPARE(a.men, 2);
    QCOMPARE(a.women, 2);
    QCOMPARE(a.pairs, 2);
    QCOMPARE(a.parties.at(0).players.at(0).name, u"甲"_s);
    QVERIFY(a.parties.at(0).players.at(0).leader);
    QCOMPARE(a.parties.at(1).mates.at(0).team, u"空"_s);
    QCOMPARE(a.parties.at(1).mates.at(0).names, (QStringList{u"丙"_s, u"丁"_s}));
    // the empty first party of group B is left out, the second is party 2
    QCOMPARE(checked.at(1).group, 2);
    QCOMPARE(checked.at(1).parties.size(), 1);
    QCOMPARE(checked.at(1).parties.at(0).party, 2);
    QCOMPARE(checked.at(1).pairs, 0);
}

void CombinationCheck_::handMadeIndexesReadTheWholeRoster()
{
    const QStringList roster{line(u"甲"_s, u"緑"_s, u"男性"_s), line(u"乙"_s, u"空"_s, u"女性"_s),
                             line(u"丙"_s, u"緑"_s, u"男性"_s)};
    std::array<QStringList, 4> groups; // unused by a hand-made combination
    groups[2] = QStringList{line(u"別人"_s, u"海"_s, u"男性"_s)};
    std::array<QStringList, 4> kumi;
    kumi[2] = QStringList{u"3,2,0"_s};
    const QList<GroupCheck> checked = checkCombination(kumi, groups, roster, true);
    QCOMPARE(checked.size(), 1);
    QCOMPARE(checked.at(0).group, 3);
    const PartyCheck &p = checked.at(0).parties.at(0);
    QCOMPARE(p.players.at(0).name, u"丙"_s);
    QCOMPARE(p.players.at(1).name, u"甲"_s);
    QCOMPARE(p.pairs(), 1);
}

void CombinationCheck_::threeTeamMatesMakeThreePairs()
{
    const QStringList roster{line(u"一"_s, u"緑"_s, u"男性"_s), line(u"二"_s, u"緑"_s, u"男性"_s),
                             line(u"三"_s, u"空"_s, u"男性"_s), line(u"四"_s, u"緑"_s, u"女性"_s)};
    std::array<QStringList, 4> kumi;
    kumi[0] = QStringList{u"5,0,1,2,3"_s};
    const QList<GroupCheck> checked = checkCombination(kumi, {}, roster, true);
    const PartyCheck &p = checked.at(0).parties.at(0);
    QCOMPARE(p.mates.size(), 1);
    QCOMPARE(p.mates.at(0).names, (QStringList{u"一"_s, u"二"_s, u"四"_s}));
    QCOMPARE(p.pairs(), 3);
    QCOMPARE(checked.at(0).pairs, 3);
}

void CombinationCheck_::indexesPastTheListAreSkipped()
{
    const QStringList roster{line(u"一"_s, u"緑"_s, u"男性"_s)};
    std::array<QStringList, 4> kumi;
    kumi[3] = QStringList{u"3,0,9"_s};
    const QList<GroupCheck> checked = checkCombination(kumi, {}, roster, true);
    QCOMPARE(checked.size(), 1);
    QCOMPARE(checked.at(0).players, 1);
}

QTEST_APPLESS_MAIN(CombinationCheck_)
#include "tst_combinationcheck.moc"
