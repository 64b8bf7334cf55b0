#include "cli/ExportOptions.h"

#include "tables/GroupNames.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

struct Texts {
    bool ja;
    QString operator()(const QString &japanese, const QString &english) const
    {
        return ja ? japanese : english;
    }
};

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

// The meeting is never written over, by its own name, a link or another name of the file.
bool isSameFile(const QString &meeting, const QString &output)
{
    std::error_code same;
    return std::filesystem::equivalent(std::filesystem::path(meeting.toStdU16String()),
                                       std::filesystem::path(output.toStdU16String()), same);
}

UsageError writesOverMeeting(const QString &output, const Texts &t)
{
    return UsageError{t(u"大会ファイルそのものには書き出せません: "_s,
                        u"The output would replace the meeting file itself: "_s) +
                      output};
}

// --season MEETING MEETING... [--keep-order] -o OUT.pdf|OUT.csv
ParseResult parseSeason(const QCommandLineParser &parser, const QStringList &paths, bool tableGiven,
                        const Texts &t)
{
    if (tableGiven)
        return UsageError{
            t(u"--season と --table は一緒に使えません"_s, u"--season does not take --table"_s)};
    if (paths.size() < 2)
        return UsageError{t(u"年間成績には大会ファイルを２つ以上指定して下さい"_s,
                            u"--season needs two or more meeting files"_s)};
    ExportRequest r;
    r.season = true;
    r.seasonPaths = paths;
    r.keepOrder = parser.isSet(u"keep-order"_s);
    r.outputPath = parser.value(u"output"_s);
    if (r.outputPath.isEmpty())
        return UsageError{t(u"-o で書き出すファイルを指定して下さい"_s, u"-o OUT is missing"_s)};
    for (const QString &path : paths)
        if (isSameFile(path, r.outputPath)) return writesOverMeeting(r.outputPath, t);
    const QString suffix = QFileInfo(r.outputPath).suffix().toLower();
    if (suffix != u"pdf"_s && suffix != u"csv"_s)
        return UsageError{t(u"年間成績の書き出すファイルの拡張子は .pdf か .csv にして下さい: "_s,
                            u"The season's output must end in .pdf or .csv: "_s) +
                          r.outputPath};
    r.format = suffix == u"pdf"_s ? Format::Pdf : Format::Csv;
    return r;
}

} // namespace

QString usage(bool japanese)
{
    const Texts t{japanese};
    return t(u"使い方"_s, u"Usage"_s) +
           u": kmtx-export MEETING --table member|combination|score-sheet|score-entry|score-check|result\n"
           u"                   [--group A|B|C|D] [--party 1-12] [--page N] [--all]\n"
           u"                   [--form tate|yoko] [--frame 6|8] [--holes N] [--start-hole N]\n"
           u"                   [--no-rank-one] [--no-rank-two] [--group-names NAME,NAME,NAME,NAME]\n"
           u"                   [--dpi N] -o OUT.pdf|OUT.png|OUT.csv\n"
           u"       kmtx-export --season MEETING MEETING... [--keep-order] -o OUT.pdf|OUT.csv\n"_s;
}

ParseResult parseCommandLine(const QStringList &arguments, bool japanese)
{
    const Texts t{japanese};
    QCommandLineParser parser;
    parser.setApplicationDescription(
        t(u"くみっとEXの大会ファイルから表を作ります（PDF・PNG・CSV）。\n"
          u"開く と同じ読み方でファイルを読み、画面と同じ配置で表を描きます。"_s,
          u"Makes a table of a くみっとEX meeting file (PDF, PNG or CSV).\n"
          u"The file is read as 開く reads it and the tables are drawn as the window draws them."_s));
    parser.addPositionalArgument(u"MEETING"_s, t(u"大会のデーターファイル"_s, u"the meeting's data file"_s));
    const QCommandLineOption table(
        {u"t"_s, u"table"_s},
        t(u"表: member（メンバー表）, combination（組み合わせ表）, score-sheet（スコア表）, "
          u"score-entry（得点入力表）, score-check（得点確認表）, result（成績表）"_s,
          u"the table: member, combination, score-sheet, score-entry, score-check or result"_s),
        u"TABLE"_s);
    const QCommandLineOption group({u"g"_s, u"group"_s},
                                   t(u"グループ A〜D（既定は A。CSV では指定しなければ全グループ）"_s,
                                     u"group A to D (default A; a CSV without it holds every group)"_s),
                                   u"GROUP"_s);
    const QCommandLineOption party(
        {u"p"_s, u"party"_s},
        t(u"スコア表の組 1〜12（既定は 1）"_s, u"party 1 to 12 of a score sheet (default 1)"_s), u"N"_s);
    const QCommandLineOption page(
        u"page"_s,
        t(u"メンバー表・成績表のページ（既定は 1）"_s, u"page of the member or result table (default 1)"_s),
        u"N"_s);
    const QCommandLineOption all(
        u"all"_s, t(u"全部を一つの PDF に: 全組のスコア表、全グループの組み合わせ表・得点入力表、全ページ"_s,
                    u"everything in one PDF: every party's score sheet, every group's combination or "
                    u"score-entry table, every page"_s));
    const QCommandLineOption form(
        u"form"_s,
        t(u"メンバー表・成績表の形: tate（タテ形、既定）または yoko（ヨコ形）"_s,
          u"form of the member and result tables: tate (portrait, default) or yoko (landscape)"_s),
        u"FORM"_s);
    const QCommandLineOption frame(
        u"frame"_s, t(u"一組の最大人数: 6（既定）または 8"_s, u"players per party frame: 6 (default) or 8"_s),
        u"6|8"_s);
    const QCommandLineOption holes(
        u"holes"_s, t(u"ホール数 1〜12（既定は 10）"_s, u"number of holes, 1 to 12 (default 10)"_s), u"N"_s);
    const QCommandLineOption startHole(
        u"start-hole"_s,
        t(u"スタートのホール（既定は組の番号）"_s, u"the starting hole (default: the party's number)"_s),
        u"N"_s);
    const QCommandLineOption noRankOne(
        u"no-rank-one"_s, t(u"一打を順位判定に含めない"_s, u"leave one-stroke holes out of the ranking"_s));
    const QCommandLineOption noRankTwo(
        u"no-rank-two"_s, t(u"二打を順位判定に含めない"_s, u"leave two-stroke holes out of the ranking"_s));
    const QCommandLineOption groupNames(
        u"group-names"_s,
        t(u"表に出す A〜D グループの名前（半角 10 文字・全角 5 文字まで、コンマで区切って四つ）。"
          u"指定しなければ、くみっとEX の「グループ名変更」で決めた名前"_s,
          u"the names of groups A to D on the tables, four separated by commas (at most 10 bytes "
          u"each); without it, the names set in くみっとEX with グループ名変更"_s),
        u"NAMES"_s);
    const QCommandLineOption dpi(
        u"dpi"_s,
        t(u"PNG の解像度 72〜600（既定は 300）"_s, u"resolution of a PNG, 72 to 600 (default 300)"_s), u"N"_s,
        u"300"_s);
    const QCommandLineOption output(
        {u"o"_s, u"output"_s},
        t(u"書き出すファイル。拡張子 .pdf・.png・.csv で形式が決まります"_s,
          u"the file to write; its extension .pdf, .png or .csv chooses the format"_s),
        u"OUT"_s);
    const QCommandLineOption season(
        u"season"_s, t(u"年間成績: 指定した大会ファイル（２つ以上）の成績をまとめた表（PDF か CSV）"_s,
                       u"the season's standings of the meeting files given (two or more; PDF or CSV)"_s));
    const QCommandLineOption keepOrder(
        u"keep-order"_s, t(u"年間成績の大会を指定した順に並べる（既定はファイルの更新日時の順）"_s,
                           u"the season's meetings in the order given (default: by the files' dates)"_s));
    const QCommandLineOption help({u"h"_s, u"help"_s}, t(u"この説明を表示します"_s, u"shows this help"_s));
    const QCommandLineOption version({u"v"_s, u"version"_s}, t(u"版を表示します"_s, u"shows the version"_s));
    parser.addOptions({table, group, party, page, all, form, frame, holes, startHole, noRankOne, noRankTwo,
                       groupNames, dpi, output, season, keepOrder, help, version});

    // The program is named as the user types it, whatever folder it was started from.
    QStringList args = arguments;
    if (!args.isEmpty()) args.first() = u"kmtx-export"_s;
    if (!parser.parse(args)) return UsageError{parser.errorText()};
    if (parser.isSet(help)) {
        // The parser's own first line names the program by its path: the usage above says more.
        const QString text = parser.helpText();
        return ShowText{usage(japanese) + u'\n' + text.mid(text.indexOf(u'\n') + 1)};
    }
    if (parser.isSet(version))
        return ShowText{u"kmtx-export "_s + QCoreApplication::applicationVersion() + u'\n'};

    ExportRequest r;
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(season)) return parseSeason(parser, positional, parser.isSet(table), t);
    if (parser.isSet(keepOrder))
        return UsageError{t(u"--keep-order は --season と使います"_s, u"--keep-order goes with --season"_s)};
    if (positional.isEmpty())
        return UsageError{t(u"大会ファイルを指定して下さい"_s, u"No meeting file given"_s)};
    if (positional.size() > 1)
        return UsageError{
            t(u"大会ファイルは一つだけ指定して下さい: "_s, u"Only one meeting file may be given: "_s) +
            positional.join(u' ')};
    r.meetingPath = positional.first();

    if (!parser.isSet(table)) return UsageError{t(u"--table を指定して下さい"_s, u"--table is missing"_s)};
    const QString tableName = parser.value(table);
    if (tableName == u"member"_s)
        r.table = Table::Member;
    else if (tableName == u"combination"_s)
        r.table = Table::Combination;
    else if (tableName == u"score-sheet"_s)
        r.table = Table::ScoreSheet;
    else if (tableName == u"score-entry"_s)
        r.table = Table::ScoreEntry;
    else if (tableName == u"result"_s)
        r.table = Table::Result;
    else if (tableName == u"score-check"_s)
        r.table = Table::ScoreCheck;
    else
        return UsageError{t(u"表の名前が正しくありません: "_s, u"Unknown table: "_s) + tableName};

    const auto wrong = [&](const QString &option, const QString &value) {
        return UsageError{
            t(u"--%1 の値が正しくありません: %2"_s, u"Bad value for --%1: %2"_s).arg(option, value)};
    };
    const auto ranged = [&](const QCommandLineOption &o, int low, int high) -> std::optional<int> {
        const auto v = number(parser.value(o));
        if (!v || *v < low || *v > high) return std::nullopt;
        return v;
    };

    if (parser.isSet(group)) {
        const QString g = parser.value(group).toUpper();
        if (g.size() != 1 || g.at(0) < u'A' || g.at(0) > u'D') return wrong(u"group"_s, parser.value(group));
        r.group = g.at(0).unicode() - u'A';
    }
    if (parser.isSet(party)) {
        r.party = ranged(party, 1, 12);
        if (!r.party) return wrong(u"party"_s, parser.value(party));
    }
    if (parser.isSet(form)) {
        const QString f = parser.value(form);
        if (f == u"tate"_s)
            r.landscape = false;
        else if (f == u"yoko"_s)
            r.landscape = true;
        else
            return wrong(u"form"_s, f);
    }
    if (parser.isSet(page)) {
        // The page field's check: 1 to 4 in the landscape form, 1 to 10 in the portrait one.
        r.page = ranged(page, 1, r.landscape ? 4 : 10);
        if (!r.page) return wrong(u"page"_s, parser.value(page));
    }
    r.all = parser.isSet(all);
    if (parser.isSet(frame)) {
        const QString f = parser.value(frame);
        if (f == u"6"_s)
            r.eightFrame = false;
        else if (f == u"8"_s)
            r.eightFrame = true;
        else
            return wrong(u"frame"_s, f);
    }
    if (parser.isSet(holes)) {
        const auto h = ranged(holes, 1, 12);
        if (!h) return wrong(u"holes"_s, parser.value(holes));
        r.holes = *h;
    }
    if (parser.isSet(startHole)) {
        r.startHole = ranged(startHole, 1, 12);
        if (!r.startHole) return wrong(u"start-hole"_s, parser.value(startHole));
    }
    r.rankOne = !parser.isSet(noRankOne);
    r.rankTwo = !parser.isSet(noRankTwo);
    if (parser.isSet(groupNames)) {
        r.groupNames = tables::groupnames::parseList(parser.value(groupNames));
        if (!r.groupNames) return wrong(u"group-names"_s, parser.value(groupNames));
    }
    const auto d = ranged(dpi, 72, 600);
    if (!d) return wrong(u"dpi"_s, parser.value(dpi));
    r.dpi = *d;

    if (!parser.isSet(output))
        return UsageError{t(u"-o で書き出すファイルを指定して下さい"_s, u"-o OUT is missing"_s)};
    r.outputPath = parser.value(output);
    if (isSameFile(r.meetingPath, r.outputPath)) return writesOverMeeting(r.outputPath, t);
    const QString suffix = QFileInfo(r.outputPath).suffix().toLower();
    if (suffix == u"pdf"_s)
        r.format = Format::Pdf;
    else if (suffix == u"png"_s)
        r.format = Format::Png;
    else if (suffix == u"csv"_s)
        r.format = Format::Csv;
    else
        return UsageError{t(u"書き出すファイルの拡張子は .pdf・.png・.csv のどれかにして下さい: "_s,
                            u"The output must end in .pdf, .png or .csv: "_s) +
                          r.outputPath};
    if (r.table == Table::ScoreSheet && r.format == Format::Csv)
        return UsageError{t(u"スコア表は CSV にできません（PDF か PNG にして下さい）"_s,
                            u"A score sheet has no CSV form (write a PDF or PNG)"_s)};
    if (r.all && r.format == Format::Png)
        return UsageError{t(u"--all は PDF か CSV に使えます（PNG は一ページだけです）"_s,
                            u"--all needs a PDF or CSV (a PNG holds one page)"_s)};
    return r;
}

} // namespace cli
