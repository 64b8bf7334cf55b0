#pragma once
// One member of the roster: twelve texts in the order of the roster line.

#include <QString>
#include <QStringList>
#include <optional>

struct Member {
    QString Name; // 氏名
    QString Team; // 所属チーム名
    QString Sex;  // "男性"/"女性" in the table ("男"/"女" in a registered line)
    QString Era;  // "非表示", "大正", "昭和", "平成" or "西暦"
    QString EraYear;
    QString Month;
    QString Day;
    QString Age;
    QString PlayMark;   // "on"/"off"
    QString LeaderMark; // "off", "on", "a".."d"
    QString PasteMark;  // "on"/"off"
    QString Spare;      // always empty

    static constexpr int FieldCount = 12;

    // The start-up value: eight full-width spaces, three "off", an empty spare.
    static Member startValue();

    QString field(int index) const; // 0-based, 0..11
    void setField(int index, const QString &value);

    bool plays() const { return PlayMark == QLatin1String("on"); }
    bool isLeader() const { return LeaderMark != QLatin1String("off"); }
    bool placed() const { return PasteMark == QLatin1String("on"); }
    bool isMan() const;   // "男性" or "男"
    bool isWoman() const; // "女性" or "女"

    friend bool operator==(const Member &, const Member &) = default;
};

namespace roster {

inline constexpr int MaxMembers = 300;

// Widens "男"/"女" to "男性"/"女性"; any other text is kept.
QString widenSex(const QString &sex);

// Splits a roster line into fields 1 to 11 of the record (the twelfth and anything
// after it are ignored; missing fields read as empty).
void splitInto(const QString &line, Member &record);

// The line rebuilt from a record: twelve fields joined by ",", no trailing comma.
QString rebuildLine(const Member &record);

// The line a registration builds: eleven fields, an empty twelfth, each followed by ",".
QString registeredLine(const QString &name, const QString &team, const QString &sex, const QString &era,
                       int year, int month, int day);

// Western birth year of an era year, or 0 when the era has no conversion
// ("非表示", "西暦" and any other text) or the year lies outside 0 to 9999.
int westernYear(const QString &era, int eraYear);

// Why a birth date the registration form offers cannot be registered: a day the month does
// not have (2月30日), or for 大正, 昭和 and 平成 a date outside the era (昭和64年2月1日);
// nothing for a date that exists. "非表示" and "西暦" carry no year to check: only the
// month and day are (2月29日 is taken).
std::optional<QString> birthDateProblem(const QString &era, int year, int month, int day);

// Recomputes Age for the eras 大正, 昭和 and 平成 from thisYear and
// todayMonthDay (month * 100 + day). A non-decimal year, month or day, or one beyond any
// date, leaves the age as read.
void recomputeAge(Member &record, int thisYear, int todayMonthDay);

} // namespace roster
