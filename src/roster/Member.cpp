#include "roster/Member.h"

#include "text/CommaText.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace commatext = text::commatext;

Member Member::startValue()
{
    const QString blank = u"　"_s;
    Member m;
    m.Name = m.Team = m.Sex = m.Era = m.EraYear = m.Month = m.Day = m.Age = blank;
    m.PlayMark = m.LeaderMark = m.PasteMark = u"off"_s;
    return m;
}

QString Member::field(int index) const
{
    switch (index) {
    case 0: return Name;
    case 1: return Team;
    case 2: return Sex;
    case 3: return Era;
    case 4: return EraYear;
    case 5: return Month;
    case 6: return Day;
    case 7: return Age;
    case 8: return PlayMark;
    case 9: return LeaderMark;
    case 10: return PasteMark;
    case 11: return Spare;
    default: return QString();
    }
}

void Member::setField(int index, const QString &value)
{
    switch (index) {
    case 0: Name = value; break;
    case 1: Team = value; break;
    case 2: Sex = value; break;
    case 3: Era = value; break;
    case 4: EraYear = value; break;
    case 5: Month = value; break;
    case 6: Day = value; break;
    case 7: Age = value; break;
    case 8: PlayMark = value; break;
    case 9: LeaderMark = value; break;
    case 10: PasteMark = value; break;
    case 11: Spare = value; break;
    default: break;
    }
}

bool Member::isMan() const { return Sex == u"男性"_s || Sex == u"男"_s; }
bool Member::isWoman() const { return Sex == u"女性"_s || Sex == u"女"_s; }

namespace roster {

QString widenSex(const QString &sex)
{
    if (sex == u"男"_s) return u"男性"_s;
    if (sex == u"女"_s) return u"女性"_s;
    return sex;
}

void splitInto(const QString &line, Member &record)
{
    const QStringList fields = commatext::split(line);
    for (int i = 0; i < 11; ++i) record.setField(i, i < fields.size() ? fields.at(i) : QString());
    record.Sex = widenSex(record.Sex);
}

QString rebuildLine(const Member &record)
{
    QStringList fields;
    for (int i = 0; i < Member::FieldCount; ++i) fields << record.field(i);
    return commatext::join(fields);
}

QString registeredLine(const QString &name, const QString &team, const QString &sex, const QString &era,
                       int year, int month, int day)
{
    const QStringList fields{name,
                             team,
                             sex,
                             era,
                             QString::number(year),
                             QString::number(month),
                             QString::number(day),
                             u"0"_s,
                             u"off"_s,
                             u"off"_s,
                             u"off"_s,
                             QString()};
    return commatext::join(fields) + u',';
}

int westernYear(const QString &era, int eraYear)
{
    if (eraYear < 0 || eraYear > 9999) return 0; // only a damaged line holds such a year
    if (era == u"大正"_s) return eraYear + 1911;
    if (era == u"昭和"_s) return eraYear + 1925;
    if (era == u"平成"_s) return eraYear + 1988;
    return 0;
}

std::optional<QString> birthDateProblem(const QString &era, int year, int month, int day)
{
    struct Span {
        const char16_t *era;
        QDate first, last;
    };
    static const Span spans[] = {{u"大正", QDate(1912, 7, 30), QDate(1926, 12, 24)},
                                 {u"昭和", QDate(1926, 12, 25), QDate(1989, 1, 7)},
                                 {u"平成", QDate(1989, 1, 8), QDate(2019, 4, 30)}};
    const QString date = u"%1%2年%3月%4日"_s.arg(era).arg(year).arg(month).arg(day);
    const int western = westernYear(era, year);
    // Without a western year the day is checked in a leap year, so that 2月29日 stands.
    if (!QDate(western > 0 ? western : 2000, month, day).isValid())
        return u"%1という日はありません。生年月日を確かめて下さい"_s.arg(date);
    for (const Span &span : spans) {
        if (era != QStringView(span.era)) continue;
        const QDate birth(western, month, day);
        if (birth < span.first || birth > span.last)
            return u"%1は%2の期間（1年%3月%4日から%5年%6月%7日まで）にありません。生年月日を確かめて下さい"_s
                .arg(date, era)
                .arg(span.first.month())
                .arg(span.first.day())
                .arg(span.last.year() - span.first.year() + 1)
                .arg(span.last.month())
                .arg(span.last.day());
    }
    return std::nullopt;
}

void recomputeAge(Member &record, int thisYear, int todayMonthDay)
{
    bool okYear = false, okMonth = false, okDay = false;
    const int y = record.EraYear.toInt(&okYear);
    const int m = record.Month.toInt(&okMonth);
    const int d = record.Day.toInt(&okDay);
    // Figures beyond any date (only a damaged line holds them) leave the age as read.
    if (!okYear || !okMonth || !okDay || m < 0 || m > 99 || d < 0 || d > 99) return;
    const int birthYear = westernYear(record.Era, y);
    if (birthYear == 0) return;
    int age = thisYear - birthYear;
    if (todayMonthDay < m * 100 + d) --age;
    record.Age = QString::number(age);
}

} // namespace roster
