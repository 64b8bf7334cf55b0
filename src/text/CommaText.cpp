#include "text/CommaText.h"

namespace text::commatext {

namespace {
bool isBlank(QChar c) { return c.unicode() <= 0x20; }

// Where the run of characters from i up to a comma or a blank ends.
qsizetype wordEnd(const QString &line, qsizetype i)
{
    const qsizetype n = line.size();
    while (i < n && line.at(i) != u',' && !isBlank(line.at(i))) ++i;
    return i;
}
} // namespace

QStringList split(const QString &line)
{
    QStringList fields;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n && isBlank(line.at(i))) ++i;
    if (i >= n) return fields;
    for (;;) {
        QString field;
        if (i < n && line.at(i) == u'"') {
            ++i;
            while (i < n) {
                if (line.at(i) == u'"') {
                    if (i + 1 < n && line.at(i + 1) == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line.at(i++);
            }
        }
        // An unquoted field, or what follows a quoted one up to the next comma or blank.
        const qsizetype end = wordEnd(line, i);
        if (field.isEmpty())
            field = line.mid(i, end - i);
        else
            field += QStringView(line).sliced(i, end - i);
        i = end;
        fields << std::move(field);
        while (i < n && isBlank(line.at(i))) ++i;
        if (i >= n) break;
        if (line.at(i) == u',') {
            ++i;
            if (i >= n) {
                fields << QString(); // a comma as the line's last character yields one more empty field
                break;
            }
            while (i < n && isBlank(line.at(i))) ++i;
            if (i >= n) break;
        }
    }
    return fields;
}

QString join(const QStringList &fields) { return fields.join(u','); }

} // namespace text::commatext
