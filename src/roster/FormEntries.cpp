#include "roster/FormEntries.h"

using namespace Qt::StringLiterals;

namespace roster {

namespace {
const QString kEras[5] = {u"非表示"_s, u"大正"_s, u"昭和"_s, u"平成"_s, u"西暦"_s};
} // namespace

QString eraOfEntry(int entry) { return entry >= 0 && entry < 5 ? kEras[entry] : QString(); }

int entryOfEra(const QString &era)
{
    for (int e = 0; e < 4; ++e)
        if (era == kEras[e]) return e;
    return -1;
}

int entryOfSex(const QString &sex) { return sex == u"男性"_s || sex == u"男"_s ? 0 : 1; }

void moveBefore(QStringList &lines, int from, int to)
{
    const QString kept = lines.at(from);
    if (from < to) {
        lines.insert(to, kept);
        lines.removeAt(from);
    } else {
        lines.removeAt(from);
        lines.insert(to, kept);
    }
}

} // namespace roster
