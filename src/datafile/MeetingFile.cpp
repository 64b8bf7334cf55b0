#include "datafile/MeetingFile.h"

#include "datafile/FieldChecks.h"
#include "datafile/ScoreLines.h"
#include "text/CommaText.h"
#include "text/Cp932.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace cp932 = text::cp932;

namespace datafile {

namespace {

// A line whose first character is "$" begins a section; only the "$" is looked at, so
// a marker spelled otherwise works the same. A roster line of an older file whose name
// began with "$" has the fields of a member and is no marker.
bool isMarker(const QString &line)
{
    return line.startsWith(u'$') && text::commatext::Fields(line).size() < 11;
}

// A marker as written ("$,TenA"), or bare ("$") as older and hand-edited files have it; any
// other "$" line stands where a marker is not expected.
bool isExpectedMarker(const QString &line, const QString &expected)
{
    QStringView text(line);
    while (!text.isEmpty() && text.back().unicode() <= 0x20) text.chop(1);
    return text == u"$" || text.compare(expected, Qt::CaseInsensitive) == 0;
}

// What is wrong with a member line, or an empty text. Fields 1 to 11 are read; the twelfth
// and anything after it are not.
QString memberLineFault(const QString &line)
{
    const QStringList fields = plainFields(line, 11);
    static const QString names[2] = {u"メンバーの氏名"_s, u"メンバーのチーム名"_s};
    static const int limits[2] = {NameBytes, TeamBytes};
    for (qsizetype i = 0; i < 2 && i < fields.size(); ++i) {
        const QString fault = nameFault(fields.at(i), limits[i],
                                        [&] { return u"%1「%2」"_s.arg(names[i], shown(fields.at(i))); });
        if (!fault.isEmpty()) return fault;
    }
    for (qsizetype i = 2; i < 11 && i < fields.size(); ++i) {
        const QString fault = splittingFault(fields.at(i), [&] {
            return u"メンバーの行の%1番目の項目「%2」"_s.arg(i + 1).arg(shown(fields.at(i)));
        });
        if (!fault.isEmpty()) return fault;
    }
    if (fields.size() < 11)
        return u"メンバーの行の項目が足りません（11項目必要ですが%1項目です）"_s.arg(fields.size());
    // The other texts hold at most what the window writes there: 性別 "女性", 元号 "非表示",
    // an age below 1000, the marks "off".
    static const int longest[11] = {0, 0, 4, 6, 0, 0, 0, 3, 3, 3, 3};
    for (qsizetype i = 2; i < 11; ++i) {
        if (longest[i] == 0) continue;
        const QString fault = lengthFault(fields.at(i), longest[i], [&] {
            return u"メンバーの行の%1番目の項目「%2」"_s.arg(i + 1).arg(shown(fields.at(i)));
        });
        if (!fault.isEmpty()) return fault;
    }
    // The ranges of registration's lists: year 1 to 64, month 1 to 12, day 1 to 31.
    static const struct {
        const char16_t *name;
        int high;
    } dates[3] = {{u"生まれ年", 64}, {u"生まれ月", 12}, {u"生まれ日", 31}};
    for (int i = 0; i < 3; ++i) {
        const QString &field = fields.at(4 + i);
        if (!decimalIn(field, 1, dates[i].high))
            return u"メンバーの%1「%2」が1〜%3の数字ではありません"_s
                .arg(QString::fromUtf16(dates[i].name), shown(field))
                .arg(dates[i].high);
    }
    return {};
}

// What is wrong with a stored party line, or an empty text. A party holds at most eight
// members: its line has at most nine fields.
QString kumiLineFault(const QString &line)
{
    if (line.isEmpty() || line.at(0) < u'1' || line.at(0) > u'9')
        return u"組の行は人数を表す数字（1〜9）で始まらなければなりません"_s;
    const QStringList items = plainFields(line, grouping::Slots + 1);
    if (items.size() > grouping::Slots + 1) return u"組の行の項目が多すぎます（一組は8名までです）"_s;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString fault = splittingFault(
            items.at(i), [&] { return u"組の行の%1番目の項目「%2」"_s.arg(i + 1).arg(shown(items.at(i))); });
        if (!fault.isEmpty()) return fault;
        if (i > 0 && !decimalIn(items.at(i), 0, MaxMemberLines - 1))
            return u"組の行のメンバー番号「%1」が正しくありません"_s.arg(shown(items.at(i)));
    }
    return {};
}

// Lines an editor may leave after the last one: empty, blanks only or an end-of-file mark.
bool isIgnorable(const QString &line)
{
    return std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c.unicode() <= 0x20; });
}

ReadError damaged(int line, const QString &what) { return ReadError{ReadError::Kind::Damaged, line, what}; }

} // namespace

QStringList markers()
{
    return {u"$,KumiA"_s,  u"$,KumiB"_s,  u"$,KumiC"_s,  u"$,KumiD"_s, u"$,GroupA"_s,
            u"$,GroupB"_s, u"$,GroupC"_s, u"$,DroupD"_s, u"$,TenA"_s,  u"$,TenB"_s,
            u"$,TenC"_s,   u"$,TenD"_s,   u"$,Hyou"_s};
}

QString ReadError::message() const
{
    switch (kind) {
    case Kind::NotMeetingFile: return u"この形式のファイルは開けません"_s;
    case Kind::TooManyMembers: return u"このファイルはメンバー数が３００名を超過しています"_s;
    case Kind::TooLarge: return u"このファイルは大きすぎるため開けません（%1）"_s.arg(what);
    case Kind::Damaged: break;
    }
    if (line > 0) return u"このファイルは壊れているため開けません。\n%1行目：%2"_s.arg(line).arg(what);
    return u"このファイルは壊れているため開けません。\n"_s + what;
}

ReadError ReadError::tooManyBytes()
{
    return ReadError{Kind::TooLarge, 0, u"%1MBを超えています"_s.arg(MaxFileBytes / (1024 * 1024))};
}

QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n') continue;
        lines << bytes.mid(start, i - start);
        if (c == '\r' && i + 1 < n && bytes.at(i + 1) == '\n') ++i;
        start = i + 1;
    }
    if (start < n) lines << bytes.mid(start);
    return lines;
}

ReadResult read(const QByteArray &file)
{
    if (file.size() > MaxFileBytes) return ReadError::tooManyBytes();
    QByteArrayView bytes(file);
    while (bytes.endsWith('\x1a')) bytes.chop(1); // the end-of-file mark of old editors
    const qsizetype ends = bytes.count('\n') + bytes.count('\r');
    if (ends > 2 * MaxFileLines)
        return ReadError{ReadError::Kind::TooLarge, 0, u"%1行を超えています"_s.arg(MaxFileLines)};

    const QList<QByteArray> raw = splitLines(bytes.toByteArray());
    const QByteArray tag = cp932::encode(Tag).bytes;
    if (raw.isEmpty() || !raw.first().startsWith(tag))
        return ReadError{ReadError::Kind::NotMeetingFile, 1, {}};
    if (raw.size() > MaxFileLines)
        return ReadError{ReadError::Kind::TooLarge, 0, u"%1行を超えています"_s.arg(MaxFileLines)};

    // Every line after the tag must be code page 932; the tag line's remainder is not read.
    QStringList lines{Tag};
    lines.reserve(raw.size());
    for (qsizetype i = 1; i < raw.size(); ++i) {
        std::optional<QString> text = cp932::decodeLine(raw.at(i));
        if (!text) return damaged(int(i + 1), u"シフトJIS（コードページ932）として読めない文字があります"_s);
        lines << std::move(*text);
    }
    qsizetype n = lines.size();

    Meeting m;
    qsizetype pos = 1;
    while (pos < n && !isMarker(lines.at(pos))) m.memberLines << lines.at(pos++);
    if (m.memberLines.size() > MaxMemberLines) return ReadError{ReadError::Kind::TooManyMembers, 0, {}};

    // Twelve sections and the closing marker, found by position: the markers' text is not
    // read (older files have bare "$" lines), so their number must be exact.
    std::array<QStringList, 12> sections;
    std::array<qsizetype, 12> firstLine{};
    std::array<qsizetype, 13> markerLine{};
    for (int s = 0; s <= 12; ++s) {
        if (pos >= n)
            return damaged(int(n),
                           u"区切りの行（「$」で始まる行）が%1行しかありません。13行必要です"_s.arg(s));
        markerLine[s] = pos++;
        if (s == 12) break;
        firstLine[s] = pos;
        while (pos < n && !isMarker(lines.at(pos))) sections[s] << lines.at(pos++);
    }
    const qsizetype hyou = pos - 1;
    // What an editor adds after the course name is not read as the closing lines.
    while (n - 1 - hyou > 4 && isIgnorable(lines.at(n - 1))) --n;
    if (n - 4 <= hyou)
        return damaged(int(n), u"最後の4行（組み合わせの種類・大会名・種目・コース名）がありません"_s);
    // A "$" line more would move every later section into the next group. The line named is
    // the first marker not of its place (a bare "$" just before a marker of the place before
    // is the one too many), or else the first past the thirteenth.
    qsizetype extra = 0;
    qsizetype named = 0;
    for (qsizetype i = hyou + 1; i < n - 4; ++i) {
        if (!isMarker(lines.at(i))) continue;
        ++extra;
        if (named == 0) named = i;
    }
    if (extra > 0) {
        const QStringList expected = markers();
        for (int s = 0; s <= 12; ++s) {
            const QString &line = lines.at(markerLine[s]);
            if (isExpectedMarker(line, expected.at(s))) continue;
            const bool placeBefore = s > 0 && isExpectedMarker(line, expected.at(s - 1));
            named = placeBefore && isExpectedMarker(lines.at(markerLine[s - 1]), u"$"_s) ? markerLine[s - 1]
                                                                                         : markerLine[s];
            break;
        }
        return damaged(int(named + 1),
                       u"区切りの行（「$」で始まる行）が%1行あります。13行でなければなりません（「%2」）"_s
                           .arg(13 + extra)
                           .arg(shown(lines.at(named))));
    }
    for (int g = 0; g < Groups; ++g) {
        m.kumiLines[g] = sections[g];
        m.groupLists[g] = sections[4 + g];
        m.scoreLines[g] = sections[8 + g];
    }

    for (qsizetype i = 0; i < m.memberLines.size(); ++i) {
        const QString fault = memberLineFault(m.memberLines.at(i));
        if (!fault.isEmpty()) return damaged(int(i + 2), fault);
    }
    for (int g = 0; g < Groups; ++g) {
        for (qsizetype i = 0; i < m.kumiLines[g].size(); ++i) {
            const QString fault = kumiLineFault(m.kumiLines[g].at(i));
            if (!fault.isEmpty()) return damaged(int(firstLine[g] + i + 1), fault);
        }
        for (qsizetype i = 0; i < m.groupLists[g].size(); ++i) {
            const QString fault = memberLineFault(m.groupLists[g].at(i));
            if (!fault.isEmpty()) return damaged(int(firstLine[4 + g] + i + 1), fault);
        }
    }
    if (const auto fault = checkScoreLines(m.scoreLines))
        return damaged(int(firstLine[8 + fault->group] + fault->index + 1), fault->what);

    bool ok = false;
    const int origin = lines.at(n - 4).toInt(&ok);
    m.origin = origin > 99 ? 100 : 0; // only "more than 99" carries a meaning
    if (!ok)
        return damaged(int(n - 3),
                       u"組み合わせの種類を表す数字（100 または 0）の代わりに「%1」があります"_s.arg(
                           shown(lines.at(n - 4))));
    // The particulars as the window's fields hold them.
    if (const QString fault = particularFault(lines.at(n - 3), TournamentBytes, u"大会名"_s);
        !fault.isEmpty())
        return damaged(int(n - 2), fault);
    if (const QString fault = particularFault(lines.at(n - 1), CourseBytes, u"コース名"_s); !fault.isEmpty())
        return damaged(int(n), fault);
    m.tournamentName = lines.at(n - 3);
    m.courseName = lines.at(n - 1);
    return m;
}

WriteResult write(const Meeting &meeting)
{
    QStringList lines{Tag};
    lines << meeting.memberLines;
    const QStringList marks = markers();
    for (int g = 0; g < Groups; ++g) lines << marks.at(g) << meeting.kumiLines[g];
    for (int g = 0; g < Groups; ++g) lines << marks.at(4 + g) << meeting.groupLists[g];
    for (int g = 0; g < Groups; ++g) lines << marks.at(8 + g) << meeting.scoreLines[g];
    lines << marks.at(12) << (meeting.autoMade() ? u"100"_s : u"0"_s) << meeting.tournamentName << FixedLine
          << meeting.courseName;

    WriteResult result;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.contains(u'\r') || line.contains(u'\n')) {
            result.bytes.clear();
            result.error = u"%1行目に改行が含まれています"_s.arg(i + 1);
            return result;
        }
        const std::optional<QByteArray> bytes = cp932::encodeLine(line);
        if (!bytes) {
            result.bytes.clear();
            result.error = u"%1行目「%2」の「%3」はシフトJISで保存できません"_s.arg(i + 1).arg(
                line, cp932::firstUnencodable(line).value_or(QString()));
            return result;
        }
        result.bytes += *bytes;
        result.bytes += "\r\n";
    }
    return result;
}

QString tournamentNameOf(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? QString() : name.left(dot);
}

QString tournamentNameOf(const Meeting &meeting, const QString &path)
{
    return meeting.tournamentName.trimmed().isEmpty() ? tournamentNameOf(path) : meeting.tournamentName;
}

} // namespace datafile
