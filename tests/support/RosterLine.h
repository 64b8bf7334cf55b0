#pragma once
// Roster lines for tests, written as registration writes them: twelve fields, each
// followed by a comma. Only what a test cares about is named; the rest keeps the
// registration form's start values.
//
//   rosterLine(u"山田"_s)                         // 山田,緑会,男,昭和,10,10,10,0,off,off,off,,
//   rosterLine(u"川上"_s).woman().plays().leader(u"a"_s)
//   rosterLine(u"森"_s).team(u"青空会"_s).born(u"平成"_s, 3, 3, 3)

#include <QString>
#include <QStringList>

class RosterLine
{
public:
    explicit RosterLine(const QString &name) : m_name(name) {}

    RosterLine &team(const QString &team) { return set(m_team, team); }
    RosterLine &sex(const QString &sex) { return set(m_sex, sex); } // "男", "女" or "男性", "女性"
    RosterLine &man() { return sex(QStringLiteral("男")); }
    RosterLine &woman() { return sex(QStringLiteral("女")); }
    RosterLine &born(const QString &era, int year, int month, int day)
    {
        m_era = era;
        m_year = year;
        m_month = month;
        m_day = day;
        return *this;
    }
    RosterLine &age(int age) { return set(m_age, age); }
    RosterLine &plays(bool on = true) { return set(m_play, mark(on)); }
    RosterLine &leader(const QString &mark = QStringLiteral("on")) { return set(m_leader, mark); }
    RosterLine &placed(bool on = true) { return set(m_paste, mark(on)); }
    // The three marks at once, as the line holds them: "on,a,off".
    RosterLine &marks(const QString &playLeaderPaste)
    {
        const QStringList m = playLeaderPaste.split(u',');
        if (m.size() == 3) {
            m_play = m.at(0);
            m_leader = m.at(1);
            m_paste = m.at(2);
        }
        return *this;
    }
    RosterLine &marks(const QString &play, const QString &leader, const QString &paste)
    {
        return marks(play + u',' + leader + u',' + paste);
    }

    QString text() const
    {
        const QStringList fields{m_name,
                                 m_team,
                                 m_sex,
                                 m_era,
                                 QString::number(m_year),
                                 QString::number(m_month),
                                 QString::number(m_day),
                                 QString::number(m_age),
                                 m_play,
                                 m_leader,
                                 m_paste,
                                 QString()};
        return fields.join(u',') + u',';
    }
    operator QString() const { return text(); }

private:
    static QString mark(bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); }
    template <typename T> RosterLine &set(T &field, const T &value)
    {
        field = value;
        return *this;
    }

    QString m_name;
    QString m_team = QStringLiteral("緑会");
    QString m_sex = QStringLiteral("男");
    QString m_era = QStringLiteral("昭和");
    int m_year = 10;
    int m_month = 10;
    int m_day = 10;
    int m_age = 0;
    QString m_play = QStringLiteral("off");
    QString m_leader = QStringLiteral("off");
    QString m_paste = QStringLiteral("off");
};

inline RosterLine rosterLine(const QString &name) { return RosterLine(name); }
