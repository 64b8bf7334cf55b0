#include "datafile/MeetingFile.h"

#include "datafile/ScoreLines.h"
#include "text/CommaText.h"
#include "text/Cp932.h"

#include <QFileInfo>

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

bool isWholeNumber(QStringView text)
{
    bool ok = false;
    (void)text.toInt(&ok);
    return ok;
}

// What is wrong with a member line, or an empty text.
QString memberLineFault(const QString &line)
{
    const text::commatext::Fields fields(line);
    if (fields.size() < 11)
        return u"メンバーの行の項目が足りません（11項目必要ですが%1項目です）"_s.arg(fields.size());
    static const QString names[3] = {u"生まれ年"_s, u"生まれ月"_s, u"生まれ日"_s};
    for (int i = 0; i < 3; ++i) {
        if (!isWholeNumber(fields.at(4 + i)))
            return u"メンバーの%1「%2」が数字ではありません"_s.arg(names[i], fields.at(4 + i));
    }
    return {};
}

// What is wrong with a stored party line, or an empty text.
QString kumiLineFault(const QString &line)
{
    if (line.isEmpty() || line.at(0) < u'1' || line.at(0) > u'9')
        return u"組の行は人数を表す数字（1〜9）で始まらなければなりません"_s;
    const QStringList items = line.split(u',');
    for (qsizetype i = 1; i < items.size(); ++i) {
        bool ok = false;
        const int index = items.at(i).toInt(&ok);
        if (!ok || index < 0 || index >= MaxMemberLines)
            return u"組の行のメンバー番号「%1」が正しくありません"_s.arg(items.at(i));
    }
    return {};
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
    case Kind::Damaged: break;
    }
    if (line > 0) return u"このファイルは壊れているため開けません。\n%1行目：%2"_s.arg(line).arg(what);
    return u"このファイルは壊れているため開けません。\n"_s + what;
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

ReadResult read(const QByteArray &bytes)
{
    const QList<QByteArray> raw = splitLines(bytes);
    const QByteArray tag = cp932::encode(Tag).bytes;
    if (raw.isEmpty() || !raw.first().startsWith(tag))
        return ReadError{ReadError::Kind::NotMeetingFile, 1, {}};

    // Every line after the tag must be code page 932; the tag line's remainder is not read.
    QStringList lines{Tag};
    lines.reserve(raw.size());
    for (qsizetype i = 1; i < raw.size(); ++i) {
        std::optional<QString> text = cp932::decodeLine(raw.at(i));
        if (!text) return damaged(int(i + 1), u"シフトJIS（コードページ932）として読めない文字があります"_s);
        lines << std::move(*text);
    }
    const qsizetype n = lines.size();

    Meeting m;
    qsizetype pos = 1;
    while (pos < n && !isMarker(lines.at(pos))) m.memberLines << lines.at(pos++);
    if (m.memberLines.size() > MaxMemberLines) return ReadError{ReadError::Kind::TooManyMembers, 0, {}};

    // Twelve sections and the closing marker, found by position.
    std::array<QStringList, 12> sections;
    std::array<qsizetype, 12> firstLine{};
    for (int s = 0; s <= 12; ++s) {
        if (pos >= n)
            return damaged(int(n),
                           u"区切りの行（「$」で始まる行）が%1行しかありません。13行必要です"_s.arg(s));
        ++pos; // the marker
        if (s == 12) break;
        firstLine[s] = pos;
        while (pos < n && !isMarker(lines.at(pos))) sections[s] << lines.at(pos++);
    }
    const qsizetype hyou = pos - 1;
    if (n - 4 <= hyou)
        return damaged(int(n), u"最後の4行（組み合わせの種類・大会名・種目・コース名）がありません"_s);

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
        return damaged(
            int(n - 3),
            u"組み合わせの種類を表す数字（100 または 0）の代わりに「%1」があります"_s.arg(lines.at(n - 4)));
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
