#include "tables/SeasonTable.h"

#include "tables/Drawing.h"
#include "text/Cp932.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tables::season {

namespace {
// Units on the landscape sheet (1215 × 770).
constexpr int kLeft = 40;
constexpr int kRight = 1180;
constexpr int kTop = 62;
constexpr int kHeadingHeight = 48;
constexpr int kRow = 24;
constexpr int kCellFont = 14;
constexpr int kPlaceWidth = 45;
constexpr int kNameWidth = 112; // a name of 14 bytes
constexpr int kTeamWidth = 143; // a team of 18 bytes
constexpr int kCountWidth = 56; // 出場回数, 合計打数, 平均打数
constexpr int kHoleWidth = 70;  // ホールインワン計
constexpr int kMeetingRoom =
    kRight - kLeft - kPlaceWidth - kNameWidth - kTeamWidth - 3 * kCountWidth - kHoleWidth;

int rowPages(const Table &t)
{
    return std::max(1, static_cast<int>((t.rows.size() + RowsPerPage - 1) / RowsPerPage));
}

int meetingPages(const Table &t)
{
    return std::max(1, static_cast<int>((t.titles.size() + MeetingsPerPage - 1) / MeetingsPerPage));
}

// A half-width character is half as wide as the font is high; a unit across is shorter than
// a unit down, so it takes a little more units across.
double byteWidth(double font) { return font / 2 * sheet::InchesPerUnitY / sheet::InchesPerUnitX; }

// The bytes of text a column holds at a font height, 4 units staying free on either side.
int fittingBytes(double width, double font) { return static_cast<int>((width - 8) / byteWidth(font)); }

// The text in lines of at most `bytes`.
QStringList wrapped(QString rest, int bytes)
{
    QStringList lines;
    while (!rest.isEmpty()) {
        const QString head = text::cp932::cutToBytes(rest, bytes);
        if (head.isEmpty()) break;
        lines << head;
        rest = rest.mid(head.size());
    }
    return lines;
}

// A heading in the heading row: three lines at height 12, else four at height 10; a bracketed
// part (the file that tells two meetings of one name apart) starts a line of its own and is
// the last to be cut.
struct Heading {
    QStringList lines;
    int font = 12;
    int pitch = 14;
};
Heading headingOf(const QString &text, double width)
{
    const qsizetype at = text.indexOf(u'（');
    const auto fit = [&](int font) {
        const int bytes = fittingBytes(width + 4, font);
        return std::pair{wrapped(text.left(at), bytes),
                         at < 0 ? QStringList() : wrapped(text.mid(at), bytes)};
    };
    if (const auto [name, bracket] = fit(12); name.size() + bracket.size() <= 3)
        return {name + bracket, 12, 14};
    const auto [name, bracket] = fit(10);
    const QStringList kept = bracket.mid(0, 2);
    return {name.mid(0, std::max<qsizetype>(1, 4 - kept.size())) + kept, 10, 11};
}

struct Column {
    double left = 0;
    double width = 0;
    QString heading;
    bool numeric = false; // right-aligned
};

} // namespace

int pageCount(const Table &table) { return rowPages(table) * meetingPages(table); }

void drawPage(Canvas &canvas, sheet::Scale s, const Table &table, int page, const QString &madeOn)
{
    const int pages = pageCount(table);
    page = std::clamp(page, 1, pages);
    const int chunk = (page - 1) / rowPages(table);
    const int firstRow = ((page - 1) % rowPages(table)) * RowsPerPage;
    const int firstMeeting = chunk * MeetingsPerPage;
    const int meetings = std::min<int>(MeetingsPerPage, static_cast<int>(table.titles.size()) - firstMeeting);
    const int shownMeetings = std::min<int>(MeetingsPerPage, static_cast<int>(table.titles.size()));
    const double meetingWidth = shownMeetings > 0 ? std::min(130.0, double(kMeetingRoom) / shownMeetings) : 0;
    const double meetingFont =
        std::min<double>(kCellFont, (meetingWidth - 8) / byteWidth(1) / 8); // "12位 123"

    QList<Column> columns;
    double x = kLeft;
    const auto add = [&](double width, const QString &heading, bool numeric) {
        columns << Column{x, width, heading, numeric};
        x += width;
    };
    add(kPlaceWidth, u"順位"_s, true);
    add(kNameWidth, u"氏名"_s, false);
    add(kTeamWidth, u"チーム"_s, false);
    for (int m = 0; m < meetings; ++m) add(meetingWidth, table.titles.at(firstMeeting + m), false);
    add(kCountWidth, u"出場回数"_s, true);
    add(kCountWidth, u"合計打数"_s, true);
    add(kCountWidth, u"平均打数"_s, true);
    add(kHoleWidth, u"ホールインワン計"_s, true);
    const double right = x;

    canvas.setFontFace(fonts::gothic());
    put(canvas, s.X(540), s.Y(18), u"年間成績表"_s, s.text(24));
    put(canvas, s.X(kLeft), s.Y(34), u"大会数 %1"_s.arg(table.titles.size()), s.text(14));
    if (!madeOn.isEmpty()) put(canvas, s.X(850), s.Y(34), u"作成 "_s + madeOn, s.text(14));
    put(canvas, s.X(1060), s.Y(34), u"ページ %1 / %2"_s.arg(page).arg(pages), s.text(14));

    const int rows = std::clamp(static_cast<int>(table.rows.size()) - firstRow, 0, RowsPerPage);
    const int bottom = kTop + kHeadingHeight + rows * kRow;
    canvas.setPen(Ink, s.pen(2));
    canvas.line(s.X(kLeft), s.Y(kTop), s.X(right), s.Y(kTop));
    canvas.line(s.X(kLeft), s.Y(kTop + kHeadingHeight), s.X(right), s.Y(kTop + kHeadingHeight));
    canvas.line(s.X(kLeft), s.Y(bottom), s.X(right), s.Y(bottom));
    canvas.line(s.X(kLeft), s.Y(kTop), s.X(kLeft), s.Y(bottom));
    canvas.line(s.X(right), s.Y(kTop), s.X(right), s.Y(bottom));
    canvas.setPen(Ink, s.pen(1));
    for (int r = 1; r < rows; ++r) {
        const int y = s.Y(kTop + kHeadingHeight + r * kRow);
        canvas.line(s.X(kLeft), y, s.X(right), y);
    }
    for (qsizetype c = 1; c < columns.size(); ++c)
        canvas.line(s.X(columns.at(c).left), s.Y(kTop), s.X(columns.at(c).left), s.Y(bottom));

    // Headings, up to three lines each, in the middle of the heading row.
    for (const Column &c : columns) {
        const Heading h = headingOf(c.heading, c.width);
        const double top = kTop + (kHeadingHeight - h.pitch * h.lines.size()) / 2.0 + 1;
        for (qsizetype i = 0; i < h.lines.size(); ++i)
            put(canvas, s.X(c.left + 2), s.Y(top + i * h.pitch), h.lines.at(i), s.text(h.font));
    }

    for (int r = 0; r < rows; ++r) {
        const Row &row = table.rows.at(firstRow + r);
        QStringList cells{row.place > 0 ? QString::number(row.place) : QString(), row.name, row.team};
        for (int m = 0; m < meetings; ++m) cells << row.results.at(firstMeeting + m).text();
        cells << QString::number(row.played) << QString::number(row.strokes) << row.average()
              << QString::number(row.holeInOnes);
        const double top = kTop + kHeadingHeight + r * kRow;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const Column &col = columns.at(c);
            const bool meeting = c >= 3 && c < 3 + meetings;
            const double font = meeting ? meetingFont : kCellFont;
            const QString text = text::cp932::cutToBytes(cells.at(c), fittingBytes(col.width, font));
            if (text.isEmpty()) continue;
            const double textX =
                col.numeric ? col.left + col.width - 4 - text::cp932::byteLength(text) * byteWidth(font)
                            : col.left + 4;
            put(canvas, s.X(textX), s.Y(top + (kRow - font) / 2), text, s.text(font));
        }
    }
}

} // namespace tables::season
