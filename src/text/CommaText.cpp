#include "text/CommaText.h"

namespace text::commatext {

namespace {
bool isBlank(QChar c) { return c.unicode() <= 0x20; }

// Where the run of characters from i up to a comma or a blank ends.
qsizetype wordEnd(QStringView line, qsizetype i)
{
    const qsizetype n = line.size();
    while (i < n && line.at(i) != u',' && !isBlank(line.at(i))) ++i;
    return i;
}

// Hands every field of the line to take: as a view into the line when the field is there
// as it stands, or as the text built from a quoted field.
template <typename Take> void walk(QStringView line, Take take)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n && isBlank(line.at(i))) ++i;
    if (i >= n) return;
    for (;;) {
        if (line.at(i) == u'"') {
            QString field;
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
            // What follows the closing quote up to the next comma or blank belongs to it.
            const qsizetype end = wordEnd(line, i);
            field += line.sliced(i, end - i);
            i = end;
            take(QStringView(), &field);
        } else {
            const qsizetype end = wordEnd(line, i);
            take(line.sliced(i, end - i), nullptr);
            i = end;
        }
        while (i < n && isBlank(line.at(i))) ++i;
        if (i >= n) break;
        if (line.at(i) == u',') {
            ++i;
            if (i >= n) {
                take(QStringView(),
                     nullptr); // a comma as the line's last character yields one more empty field
                break;
            }
            while (i < n && isBlank(line.at(i))) ++i;
            if (i >= n) break;
        }
    }
}
} // namespace

QStringList split(const QString &line)
{
    QStringList fields;
    walk(line,
         [&](QStringView view, QString *built) { fields << (built ? std::move(*built) : view.toString()); });
    return fields;
}

Fields::Fields(const QString &line)
{
    walk(line, [&](QStringView view, QString *built) {
        if (built) {
            m_built << std::move(*built);
            view = m_built.constLast(); // the text stays where it is when the list grows
        }
        m_views.append(view);
    });
}

QString join(const QStringList &fields) { return fields.join(u','); }

} // namespace text::commatext
