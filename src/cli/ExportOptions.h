#pragma once
// The command line of kmtx-export: which table of which meeting file goes to which file.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <variant>

namespace cli {

enum class Table { Member, Combination, ScoreSheet, ScoreEntry, Result, ScoreCheck };
enum class Format { Pdf, Png, Csv };

struct ExportRequest {
    QString meetingPath;
    Table table = Table::Member;
    std::optional<int> group; // 0..3 (A..D) when given
    std::optional<int> party; // 1..12 when given
    std::optional<int> page;  // from 1 when given
    bool all = false;
    bool landscape = false;  // --form yoko (else タテ形, as at start-up)
    bool eightFrame = false; // --frame 8 (else ６人枠, as at start-up)
    int holes = 10;
    std::optional<int> startHole;
    bool rankOne = true;
    bool rankTwo = true;
    int dpi = 300;
    // The names of groups A to D; without --group-names those the window keeps in the
    // user's settings.
    std::optional<std::array<QString, 4>> groupNames;
    QString outputPath;
    Format format = Format::Pdf;
    // --season: the season's standings of the meeting files given (PDF or CSV), the meetings
    // ordered by the files' modification times, or as given with --keep-order.
    bool season = false;
    QStringList seasonPaths;
    bool keepOrder = false;
};

// What the command line asks for.
struct ShowText {
    QString text; // help or version, for standard output
};
struct UsageError {
    QString message; // what is wrong, followed by the usage on standard error
};
using ParseResult = std::variant<ExportRequest, ShowText, UsageError>;

// Japanese texts when japanese is true, else English.
ParseResult parseCommandLine(const QStringList &arguments, bool japanese);

// The short usage lines.
QString usage(bool japanese);

} // namespace cli
