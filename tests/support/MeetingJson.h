#pragma once
// Meetings of the golden files: NAME.json (the stores, UTF-8) beside NAME.txt (the data file).

#include "datafile/Meeting.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

inline QStringList jsonLines(const QJsonValue &value)
{
    QStringList lines;
    for (const QJsonValue &v : value.toArray()) lines << v.toString();
    return lines;
}

inline std::array<QStringList, 4> jsonGroups(const QJsonValue &value)
{
    std::array<QStringList, 4> groups;
    const QJsonArray array = value.toArray();
    for (int g = 0; g < 4 && g < array.size(); ++g) groups[g] = jsonLines(array.at(g));
    return groups;
}

inline datafile::Meeting meetingFromJson(const QByteArray &json)
{
    const QJsonObject o = QJsonDocument::fromJson(json).object();
    datafile::Meeting m;
    m.memberLines = jsonLines(o.value(QLatin1String("memberLines")));
    m.kumiLines = jsonGroups(o.value(QLatin1String("kumiLines")));
    m.groupLists = jsonGroups(o.value(QLatin1String("groupLists")));
    m.scoreLines = jsonGroups(o.value(QLatin1String("scoreLines")));
    m.origin = o.value(QLatin1String("origin")).toInt();
    m.tournamentName = o.value(QLatin1String("tournamentName")).toString();
    m.courseName = o.value(QLatin1String("courseName")).toString();
    return m;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}
