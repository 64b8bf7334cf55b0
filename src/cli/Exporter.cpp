#include "cli/Exporter.h"

#include "datafile/Files.h"
#include "datafile/MeetingFile.h"
#include "grouping/Counts.h"
#include "png/PngPage.h"
#include "scoring/Ranking.h"
#include "seasonfiles/SeasonFiles.h"
#include "settings/WindowSettings.h"
#include "tables/MeetingPages.h"
#include "tables/MeetingTables.h"
#include "tables/PageFrames.h"
#include "tables/PainterCanvas.h"
#include "tables/Season.h"
#include "tables/SeasonTable.h"
#include "tables/SheetUnits.h"

#include <QDate>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <functional>

using namespace Qt::StringLiterals;
namespace sheet = tables::sheet;

namespace cli {

namespace {

constexpr int kPdfResolution = 1200;

tables::Table tableOf(Table table)
{
    switch (table) {
    case Table::Member: break;
    case Table::Combination: return tables::Table::Combination;
    case Table::ScoreSheet: return tables::Table::ScoreSheet;
    case Table::ScoreEntry: return tables::Table::ScoreEntry;
    case Table::ScoreCheck: return tables::Table::ScoreCheck;
    case Table::Result: return tables::Table::Result;
    }
    return tables::Table::Member;
}

struct Texts {
    bool ja;
    QString operator()(const QString &japanese, const QString &english) const
    {
        return ja ? japanese : english;
    }
};

// One page to draw: the layout draws itself on a canvas at a scale, its texts as the
// window's picture of the table shows them.
struct Page {
    bool landscape = true;
    std::function<void(Canvas &, sheet::Scale)> draw;
};

struct Context {
    const ExportRequest &request;
    Texts t;
    datafile::Meeting meeting;
    tables::MeetingScores scores;
    tables::Particulars particulars;
    tables::TableOptions options;
    std::array<QString, 4> groupNames; // the headings' names of groups A to D
    QStringList notices;
    std::array<tables::PartyPlayers, 4> partyPlayers; // of groups A to D, made once

    const tables::PartyPlayers &parties(int g) const { return partyPlayers[std::clamp(g, 0, 3)]; }

    // The request of a page of the table asked for, with the particulars, names and options.
    tables::PageRequest pageRequest(tables::Table table) const
    {
        tables::PageRequest r;
        r.table = table;
        r.options = options;
        r.particulars = particulars;
        r.groupNames = groupNames;
        r.ranking = {request.rankOne, request.rankTwo};
        return r;
    }
};

// The page a request names, as a page to write; the ranking's message when it cannot be made.
std::optional<Page> pageFor(const Context &c, const tables::PageRequest &request, QString *error)
{
    auto made = tables::pageOf(c.meeting, c.scores, request);
    if (const QString *message = std::get_if<QString>(&made)) {
        *error = *message;
        return std::nullopt;
    }
    const tables::MeetingPage page = std::get<tables::MeetingPage>(std::move(made));
    return Page{page.landscape(),
                [page](Canvas &canvas, sheet::Scale s) { tables::drawPage(canvas, s, page); }};
}

// The groups a request covers: the one named, or every group that holds players (group A
// when none does); with onlyOne, the one named or group A.
QList<int> groupsOf(const Context &c, bool onlyOne)
{
    if (c.request.group) return {*c.request.group};
    if (onlyOne) return {0};
    QList<int> groups;
    for (int g = 0; g < 4; ++g)
        if (tables::hasPlayers(c.parties(g))) groups << g;
    if (groups.isEmpty()) groups << 0;
    return groups;
}

// A party of more than six under ６人枠 leaves its row or names empty in the window, which
// then switches to ８人枠; here the whole output is drawn under ８人枠 at once.
void checkFrame(Context &c, const QList<QList<tables::Player>> &drawnParties)
{
    if (c.options.eightFrame) return;
    for (const auto &party : drawnParties) {
        if (party.size() <= 6) continue;
        c.options.eightFrame = true;
        c.notices << c.t(u"組の人数が６名を超過しているため８人枠で描きました"_s,
                         u"A party holds more than six players: drawn with the frame of eight"_s);
        return;
    }
}

QList<Page> scoreSheetPages(Context &c)
{
    struct Sheet {
        int group;
        int party; // 1..12
    };
    QList<Sheet> sheets;
    QList<QList<tables::Player>> drawn;
    if (c.request.all) {
        for (int g : groupsOf(c, false)) {
            const tables::PartyPlayers &parties = c.parties(g);
            for (int k = 0; k < 12; ++k) {
                if (parties[k].isEmpty()) continue;
                sheets << Sheet{g, k + 1};
                drawn << parties[k];
            }
        }
    }
    if (sheets.isEmpty()) {
        const int g = c.request.group.value_or(0);
        const int k = c.request.party.value_or(1);
        sheets << Sheet{g, k};
        drawn << c.parties(g)[k - 1];
    }
    checkFrame(c, drawn);

    QList<Page> pages;
    QString unused;
    for (const Sheet &sheet : sheets) {
        tables::PageRequest r = c.pageRequest(tables::Table::ScoreSheet);
        r.group = sheet.group;
        r.party = sheet.party;
        r.partyText = QString::number(sheet.party);
        r.holeCount = c.request.holes;
        r.startHole = c.request.startHole.value_or(sheet.party);
        pages << *pageFor(c, r, &unused);
    }
    return pages;
}

QList<Page> gridPages(Context &c, tables::Table table)
{
    const QList<int> groups = groupsOf(c, !c.request.all);
    QList<QList<tables::Player>> drawn;
    for (int g : groups)
        for (const auto &party : c.parties(g)) drawn << party;
    checkFrame(c, drawn);

    QList<Page> pages;
    QString unused;
    for (int g : groups) {
        tables::PageRequest r = c.pageRequest(table);
        r.group = g;
        pages << *pageFor(c, r, &unused);
    }
    return pages;
}

int pageCount(int entries, bool landscape)
{
    const int perPage = landscape ? tables::LandscapePageRows : tables::PortraitPageRows;
    return std::max(1, (entries + perPage - 1) / perPage);
}

// The pages of a paged table of `rows` rows: every page with --all, else the page asked for.
std::optional<QList<Page>> pagedPages(Context &c, tables::Table table, int rows, QString *error)
{
    QList<int> numbers;
    if (c.request.all) {
        for (int p = 1; p <= pageCount(rows, c.options.landscape); ++p) numbers << p;
    } else {
        numbers << c.request.page.value_or(1);
    }
    QList<Page> pages;
    for (int number : numbers) {
        tables::PageRequest r = c.pageRequest(table);
        r.page = number;
        r.pageText = QString::number(number);
        const std::optional<Page> page = pageFor(c, r, error);
        if (!page) return std::nullopt;
        pages << *page;
    }
    return pages;
}

// The ranking's rows, or its message when a record cannot be ranked.
std::optional<scoring::Ranking> rankingOf(const Context &c, QString *error)
{
    scoring::Ranking ranking =
        scoring::rankPlayers(c.scores.records, c.scores.slotTexts, {c.request.rankOne, c.request.rankTwo});
    if (ranking.error) {
        *error = ranking.error->message();
        return std::nullopt;
    }
    return ranking;
}

QPageLayout a4(bool landscape)
{
    return QPageLayout(QPageSize(QPageSize::A4), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

// The output is written whole or not at all, as the window saves: an existing file stays
// until the new one is complete, a symbolic link is written through, and a file that may
// not be written, a device, a pipe or a socket is refused.
class OutputFile
{
public:
    OutputFile(const QString &path, const Texts &t) : m_path(path), m_t(t), m_file(path, t.ja) {}
    QIODevice &device() { return m_file.device(); }
    // Why a drawing into device() failed.
    QString reason() const { return m_file.deviceReason(); }

    ExportOutcome open()
    {
        if (m_file.open()) return {};
        return {
            1,
            m_t(u"ファイル「%1」を作れません: %2"_s, u"Cannot create %1: %2"_s).arg(m_path, m_file.reason())};
    }

    ExportOutcome commit()
    {
        if (m_file.commit()) return {};
        return {1, m_t(u"ファイル「%1」に書き込めません: %2"_s, u"Cannot write %1: %2"_s)
                       .arg(m_path, m_file.reason())};
    }

private:
    QString m_path;
    Texts m_t;
    datafile::WholeFile m_file;
};

// The PDF's title, as the window gives a PDF of the same table.
QString pdfTitle(const Context &c)
{
    if (c.request.season) return tables::season::documentName();
    tables::PageRequest r = c.pageRequest(tableOf(c.request.table));
    if (!c.request.all || c.request.group) r.group = c.request.group.value_or(0);
    r.partyText = QString::number(c.request.party.value_or(1));
    return tables::documentNameOf(r, c.request.all);
}

ExportOutcome writePdf(const QList<Page> &pages, const Context &c)
{
    OutputFile file(c.request.outputPath, c.t);
    if (ExportOutcome o = file.open(); o.exitCode) return o;
    {
        QPdfWriter writer(&file.device());
        writer.setResolution(kPdfResolution);
        writer.setCreator(tables::pdfCreator());
        writer.setTitle(pdfTitle(c));
        writer.setPageLayout(a4(pages.first().landscape));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {1, c.t(u"PDF を作れません: %1: %2"_s, u"Cannot make the PDF: %1: %2"_s)
                           .arg(c.request.outputPath, file.reason())};
        }
        const sheet::Scale scale = sheet::printerScale(kPdfResolution, kPdfResolution);
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                writer.setPageLayout(a4(pages.at(i).landscape));
                writer.newPage();
            }
            const QSize size = writer.pageLayout().fullRectPixels(kPdfResolution).size();
            PainterCanvas canvas(painter, size);
            pages.at(i).draw(canvas, scale);
        }
        painter.end();
    }
    return file.commit();
}

ExportOutcome writePng(const Page &page, const Context &c)
{
    const int dpi = c.request.dpi;
    // A4 at the resolution, rounded to whole pixels.
    const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    QSize size(qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi));
    if (page.landscape) size.transpose();
    // The tables are drawn in black and white (grey at the edges of letters below 600 dpi):
    // a grey page holds every pixel, in a quarter of the memory.
    QImage image(size, QImage::Format_Grayscale8);
    if (image.isNull())
        return {1, c.t(u"画像を作るメモリーが足りません"_s, u"Not enough memory for the image"_s)};
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, size);
        page.draw(canvas, sheet::printerScale(dpi, dpi));
    }
    OutputFile file(c.request.outputPath, c.t);
    if (ExportOutcome o = file.open(); o.exitCode) return o;
    if (!png::write(image, file.device())) {
        return {1, c.t(u"PNG を書けません: %1: %2"_s, u"Cannot write the PNG: %1: %2"_s)
                       .arg(c.request.outputPath, file.reason())};
    }
    return file.commit();
}

ExportOutcome writeCsv(const QList<QStringList> &rows, const Context &c)
{
    OutputFile file(c.request.outputPath, c.t);
    if (ExportOutcome o = file.open(); o.exitCode) return o;
    file.device().write(tables::csvDocument(rows));
    return file.commit();
}

QList<tables::GroupParties> csvGroups(const Context &c)
{
    QList<int> groups;
    if (c.request.group)
        groups << *c.request.group;
    else
        groups = {0, 1, 2, 3};
    QList<tables::GroupParties> result;
    for (int g : groups) result << tables::GroupParties{grouping::groupLetter(g), c.parties(g)};
    return result;
}

std::optional<QList<QStringList>> csvRows(Context &c, QString *error)
{
    switch (c.request.table) {
    case Table::Member: return tables::memberRows(c.meeting.memberLines);
    case Table::Combination: return tables::combinationRows(csvGroups(c));
    case Table::ScoreEntry:
    case Table::ScoreCheck: return tables::scoreEntryRows(csvGroups(c), c.scores.records);
    case Table::Result: {
        const std::optional<scoring::Ranking> ranking = rankingOf(c, error);
        if (!ranking) return std::nullopt;
        return tables::resultRows(*ranking);
    }
    case Table::ScoreSheet: break;
    }
    *error = c.t(u"スコア表は CSV にできません（PDF か PNG にして下さい）"_s,
                 u"A score sheet has no CSV form (write a PDF or PNG)"_s);
    return std::nullopt;
}

// The season's standings of the files given: files that cannot be read are named on standard
// error and left out (exit status 3 once the rest is written); none readable writes nothing.
ExportOutcome seasonExport(const ExportRequest &request, const Texts &t)
{
    namespace season = tables::season;
    const seasonfiles::Loaded loaded = seasonfiles::load(request.seasonPaths, !request.keepOrder);
    const QString refused = loaded.refused.isEmpty() ? QString() : seasonfiles::refusedText(loaded.refused);
    if (loaded.meetings.isEmpty()) return {1, refused};

    Context c{request, t, {}, {}, {}, {}, {}, {}, {}};
    const season::Table table = season::build(loaded.meetings);
    ExportOutcome outcome;
    if (request.format == Format::Csv) {
        outcome = writeCsv(season::csvRows(table), c);
    } else {
        const QDate today = QDate::currentDate();
        const QString madeOn = u"%1年%2月%3日"_s.arg(today.year()).arg(today.month()).arg(today.day());
        QList<Page> pages;
        for (int p = 1; p <= season::pageCount(table); ++p)
            pages << Page{true, [table, p, madeOn](Canvas &canvas, sheet::Scale s) {
                              season::drawPage(canvas, s, table, p, madeOn);
                          }};
        outcome = writePdf(pages, c);
    }
    if (outcome.exitCode == 0 && !refused.isEmpty()) outcome = {3, refused};
    return outcome;
}

} // namespace

ExportOutcome runExport(const ExportRequest &request, bool japanese)
{
    const Texts t{japanese};
    if (request.season) return seasonExport(request, t);
    const datafile::FileBytes file = datafile::readFileBytes(request.meetingPath, japanese);
    switch (file.failure) {
    case datafile::FileBytes::Failure::None: break;
    case datafile::FileBytes::Failure::Open:
        return {1, t(u"ファイル「%1」を開けません: %2"_s, u"Cannot open %1: %2"_s)
                       .arg(request.meetingPath, file.reason)};
    case datafile::FileBytes::Failure::Read:
        return {1, t(u"ファイル「%1」を読めません: %2"_s, u"Cannot read %1: %2"_s)
                       .arg(request.meetingPath, file.reason)};
    case datafile::FileBytes::Failure::TooLarge: return {1, datafile::ReadError::tooManyBytes().message()};
    }
    const datafile::ReadResult read = datafile::read(file.bytes);
    if (const auto *e = std::get_if<datafile::ReadError>(&read)) return {1, e->message()};

    Context c{request, t, std::get<datafile::Meeting>(read), {}, {}, {}, {}, {}, {}};
    for (int g = 0; g < 4; ++g) c.partyPlayers[g] = tables::partiesOfGroup(c.meeting, g);
    const auto scores = tables::scoresOf(c.meeting);
    if (!scores) return {1, t(u"得点の行が壊れています"_s, u"The score lines are damaged"_s)};
    c.scores = *scores;
    // The particulars as an open leaves them: the tournament name and the course from the
    // file (the file's name when it holds no tournament name), today's date.
    const QDate today = QDate::currentDate();
    c.particulars.tournamentName = datafile::tournamentNameOf(c.meeting, request.meetingPath);
    c.particulars.courseName = c.meeting.courseName;
    c.particulars.year = QString::number(today.year());
    c.particulars.month = QString::number(today.month());
    c.particulars.day = QString::number(today.day());
    c.particulars.titleShift = tables::titleShiftOf(c.particulars.tournamentName);
    // The group names the window shows, unless the command line gives others.
    c.groupNames = request.groupNames ? *request.groupNames : settings::readGroupNames();
    c.options.eightFrame = request.eightFrame;
    c.options.landscape = request.landscape;

    ExportOutcome outcome;
    if (request.format == Format::Csv) {
        QString error;
        const auto rows = csvRows(c, &error);
        if (!rows) return {1, error};
        outcome = writeCsv(*rows, c);
    } else {
        QList<Page> pages;
        QString error;
        switch (request.table) {
        case Table::Member: {
            const int rows = static_cast<int>(c.meeting.memberLines.size());
            pages = *pagedPages(c, tables::Table::Member, rows, &error);
            break;
        }
        case Table::Combination:
        case Table::ScoreEntry:
        case Table::ScoreCheck: pages = gridPages(c, tableOf(request.table)); break;
        case Table::ScoreSheet: pages = scoreSheetPages(c); break;
        case Table::Result: {
            const std::optional<scoring::Ranking> ranking = rankingOf(c, &error);
            if (!ranking) return {1, error};
            const auto drawn = pagedPages(c, tables::Table::Result, int(ranking->rows().size()), &error);
            if (!drawn) return {1, error};
            pages = *drawn;
            break;
        }
        }
        outcome = request.format == Format::Pdf ? writePdf(pages, c) : writePng(pages.first(), c);
    }
    if (outcome.exitCode == 0) outcome.notice = c.notices.join(u'\n');
    return outcome;
}

} // namespace cli
