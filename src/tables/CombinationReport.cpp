#include "tables/CombinationReport.h"

#include "tables/Drawing.h"
#include "text/Cp932.h"

using namespace Qt::StringLiterals;

namespace tables {

namespace {
// Player columns: their left edge in units and their width in bytes of text.
constexpr int kPlayerX[4] = {70, 110, 140, 420};
constexpr int kPlayerBytes[3] = {4, 3, 28};
constexpr int kLeftUnits = 40;
constexpr int kTopUnits = 110;
constexpr int kLinePitch = 23;
constexpr int kFontUnits = 15;

QString padded(const QString &s, int bytes)
{
    const int used = text::cp932::byteLength(s);
    return s + QString(used >= bytes ? 1 : bytes - used, u' ');
}

QString counts(int players, int leaders, int men, int women, int pairs)
{
    return u"%1名　リーダー %2名　男性 %3名　女性 %4名　同じチームの二人 %5組"_s.arg(players)
        .arg(leaders)
        .arg(men)
        .arg(women)
        .arg(pairs);
}
} // namespace

QString ReportLine::text() const
{
    switch (kind) {
    case GroupTotals: return cells.value(0);
    case Party: return u"  "_s + cells.value(0);
    case Mates: return u"          "_s + cells.value(0);
    case Blank: return QString();
    case Player: break;
    }
    QString line = u"      "_s;
    for (int c = 0; c < cells.size() && c < 4; ++c)
        line += c == 3 ? cells.at(c) : padded(cells.at(c), kPlayerBytes[c]);
    return line;
}

QList<ReportLine> combinationReport(const QList<grouping::GroupCheck> &groups,
                                    const std::array<QString, 4> &groupNames)
{
    QList<ReportLine> lines;
    for (const grouping::GroupCheck &g : groups) {
        if (!lines.isEmpty()) lines << ReportLine{ReportLine::Blank, {}};
        const QString name = g.group >= 1 && g.group <= 4 ? groupNames[g.group - 1] : QString();
        lines << ReportLine{ReportLine::GroupTotals,
                            {name + u" グループ　"_s + QString::number(g.parties.size()) + u"組　"_s +
                             counts(g.players, g.leaders, g.men, g.women, g.pairs)}};
        for (const grouping::PartyCheck &p : g.parties) {
            lines << ReportLine{
                ReportLine::Party,
                {QString::number(p.party) + u"組　"_s +
                 counts(static_cast<int>(p.players.size()), p.leaders, p.men, p.women, p.pairs())}};
            for (int slot = 0; slot < p.players.size(); ++slot) {
                const grouping::CheckedPlayer &player = p.players.at(slot);
                lines << ReportLine{ReportLine::Player,
                                    {QString::number(slot + 1) + u"番"_s, player.leader ? u"◎"_s : QString(),
                                     player.name, player.team}};
            }
            for (const grouping::TeamMates &m : p.mates)
                lines << ReportLine{ReportLine::Mates,
                                    {u"同じチーム "_s + m.team + u"：" + m.names.join(u"、"_s)}};
        }
    }
    return lines;
}

QList<ReportPage> reportPages(const QList<ReportLine> &lines)
{
    const int n = static_cast<int>(lines.size());
    // The end of the block beginning at line i: a blank line alone; else the lines up to the
    // next blank line, group or party, a group's totals taking its first party along.
    const auto blockEnd = [&](int i) {
        if (lines.at(i).kind == ReportLine::Blank) return i + 1;
        bool inParty = lines.at(i).kind != ReportLine::GroupTotals;
        int end = i + 1;
        for (; end < n; ++end) {
            const ReportLine::Kind k = lines.at(end).kind;
            if (k == ReportLine::Blank || k == ReportLine::GroupTotals || (k == ReportLine::Party && inParty))
                break;
            inParty = inParty || k == ReportLine::Party;
        }
        return end;
    };
    QList<ReportPage> pages{ReportPage{}};
    for (int i = 0; i < n;) {
        const int end = blockEnd(i);
        ReportPage &page = pages.last();
        const int used = page.end - page.first;
        if (used == 0 && lines.at(i).kind == ReportLine::Blank) {
            page.first = page.end = end;
        } else if (used > 0 && used + (end - i) > ReportLinesPerPage) {
            pages << ReportPage{i, i}; // the block moves whole to the next page
            continue;
        } else {
            // On an empty page a block longer than a page (none is) fills it; the rest follows.
            page.end = std::min(end, page.first + ReportLinesPerPage);
        }
        i = page.end;
    }
    return pages;
}

int reportPageCount(const QList<ReportLine> &lines) { return static_cast<int>(reportPages(lines).size()); }

void drawCombinationReport(Canvas &canvas, sheet::Scale s, const QList<ReportLine> &lines, int page)
{
    canvas.setFontFace(fonts::gothic());
    canvas.setPen(Ink, s.pen(1));
    const QList<ReportPage> pages = reportPages(lines);
    put(canvas, s.X(kLeftUnits), s.Y(40), u"組み合わせの確認"_s, s.text(24));
    put(canvas, s.X(720), s.Y(50), u"%1 / %2"_s.arg(page).arg(pages.size()), s.text(kFontUnits));
    canvas.line(s.X(kLeftUnits), s.Y(85), s.X(sheet::PortraitWidth - kLeftUnits), s.Y(85));
    if (page < 1 || page > pages.size()) return;

    const ReportPage range = pages.at(page - 1);
    for (int i = 0; range.first + i < range.end; ++i) {
        const ReportLine &line = lines.at(range.first + i);
        const int y = s.Y(kTopUnits + i * kLinePitch);
        switch (line.kind) {
        case ReportLine::GroupTotals:
            put(canvas, s.X(kLeftUnits), y, line.cells.value(0), s.text(kFontUnits + 2));
            break;
        case ReportLine::Party:
            put(canvas, s.X(kLeftUnits + 15), y, line.cells.value(0), s.text(kFontUnits));
            break;
        case ReportLine::Mates:
            put(canvas, s.X(kPlayerX[1]), y, line.cells.value(0), s.text(kFontUnits));
            break;
        case ReportLine::Player:
            for (int c = 0; c < line.cells.size() && c < 4; ++c)
                if (!line.cells.at(c).isEmpty())
                    put(canvas, s.X(kPlayerX[c]), y, line.cells.at(c), s.text(kFontUnits));
            break;
        case ReportLine::Blank: break;
        }
    }
}

} // namespace tables
