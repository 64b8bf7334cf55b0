#include "grouping/KumiLine.h"

#include "text/CommaText.h"

namespace grouping::kumiline {

QString write(const QStringList &party)
{
    QString line = QString::number(party.size() + 1);
    for (const QString &item : party) line += u',' + item;
    return line;
}

QStringList read(const QString &line)
{
    if (line.isEmpty()) return {};
    const QChar first = line.at(0);
    const int n = (first >= u'0' && first <= u'9') ? first.unicode() - u'0' : 0;
    const QStringList fields = text::commatext::split(line);
    QStringList items = fields.mid(0, n);
    if (!items.isEmpty()) items.removeFirst();
    return items;
}

QStringList store(const PartyLists &parties)
{
    QStringList lines;
    for (const QStringList &party : parties) lines << write(party);
    return lines;
}

PartyLists load(const QStringList &lines)
{
    PartyLists parties;
    for (qsizetype k = 0; k < lines.size() && k < Parties; ++k) parties[k] = read(lines.at(k));
    return parties;
}

} // namespace grouping::kumiline
