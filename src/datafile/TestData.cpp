#include "datafile/TestData.h"

using namespace Qt::StringLiterals;

namespace datafile::testdata {

namespace {
struct Block {
    QString family, given, team, sex, era;
    int yearOffset;
    QString month, day;
};
} // namespace

QStringList sampleMemberLines()
{
    static const Block blocks[6] = {
        {u"佐々木"_s, u"雄"_s, u"悠々友の会"_s, u"男性"_s, u"昭和"_s, 9, u"5"_s, u"26"_s},
        {u"斉藤"_s, u"子"_s, u"学園なかよし会"_s, u"女性"_s, u"昭和"_s, 11, u"12"_s, u"3"_s},
        {u"加藤"_s, u"男"_s, u"高石どんぐり会"_s, u"男性"_s, u"昭和"_s, 17, u"5"_s, u"5"_s},
        {u"吉永"_s, u"代"_s, u"すみれクラブ"_s, u"女性"_s, u"昭和"_s, 19, u"8"_s, u"16"_s},
        {u"野々村"_s, u"夫"_s, u"スポーツクラブ"_s, u"男性"_s, u"昭和"_s, 4, u"8"_s, u"20"_s},
        {u"横山"_s, u"美"_s, u"スポーツクラブ"_s, u"女性"_s, u"昭和"_s, 4, u"8"_s, u"20"_s},
    };
    QStringList lines;
    for (const Block &b : blocks) {
        for (int n = 11; n <= 30; ++n) {
            const QStringList fields{b.family + QString::number(n) + b.given,
                                     b.team,
                                     b.sex,
                                     b.era,
                                     QString::number(n + b.yearOffset),
                                     b.month,
                                     b.day,
                                     u"0"_s,
                                     u"off"_s,
                                     u"off"_s,
                                     u"off"_s,
                                     QString()};
            lines << fields.join(u','); // the comma before the empty twelfth field ends the line
        }
    }
    return lines;
}

ScoreSlot sampleScore(int r)
{
    return ScoreSlot::recorded(u"1"_s, QString::number(r % 10), QString::number((r + 2) % 20),
                               QString::number((r + 2) % 90 + 20));
}

} // namespace datafile::testdata
