#include "tables/ResultTable.h"

#include "scoring/Ranking.h"
#include "tables/Drawing.h"
#include "tables/PageFrames.h"
#include "text/Cp932.h"

using namespace Qt::StringLiterals;

namespace tables {

namespace {
constexpr int LandscapeTop = 70; // V
constexpr int LandscapeRow = 27; // S
constexpr int PortraitTop = 75;  // y0
constexpr int PortraitRow = 26;  // S

// The text y of entry row j of a landscape block, in units.
int landscapeTextY(int j) { return LandscapeTop + LandscapeRow + 6 + j * LandscapeRow; }
int portraitTextY(int j) { return PortraitTop + PortraitRow + 6 + j * PortraitRow; }

// Whether row i of the table is a placed player without an entry (no rank).
bool unentered(const QStringList &rows, int i) { return i < rows.size() && rows.at(i).startsWith(u','); }
} // namespace

void drawLandscapeResultBody(Canvas &canvas, sheet::Scale s, const QStringList &rankList, int page)
{
    const sheet::TextSize f16 = s.text(16);
    const sheet::TextSize f14 = s.text(14);
    for (int k = 0; k < LandscapeBlocks; ++k) {
        const int q = landscapeBlockLeft(k);
        for (int j = 0; j < LandscapeRowsPerBlock; ++j) {
            const int y = s.Y(landscapeTextY(j));
            put(canvas, s.X(q + 33), y, u"国国国国国"_s, f16, Paper);
            put(canvas, s.X(q + 130), y, u"国国国国"_s, f16, Paper);
            put(canvas, s.X(q + 205), y, u"jj"_s, f16, Paper);
            put(canvas, s.X(q + 228), y, u"jj"_s, f16, Paper);
            put(canvas, s.X(q + 249), y, u"jjj"_s, f16, Paper);
        }
    }
    const PageRange range = landscapePage(page, static_cast<int>(rankList.size()));
    for (int k = 0; k < LandscapeBlocks; ++k) {
        const int x = s.X(landscapeBlockLeft(k)) + s.screenPixelsX(4);
        for (int j = 0; j < LandscapeRowsPerBlock; ++j) {
            const int rowTop = LandscapeTop + (j + 1) * LandscapeRow;
            const int y = s.Y(rowTop + 7);
            put(canvas, x, y, u"jjj"_s, f14, Paper);
            const int i = range.first + LandscapeRowsPerBlock * k + j;
            if (unentered(rankList, i)) // three small letters fill the narrow rank column
                put(canvas, s.X(landscapeBlockLeft(k) + 1), s.Y(rowTop + 9), u"未入力"_s, s.text(8));
            else
                put(canvas, x, y, QString::number(i + 1), f14);
        }
    }
    for (int i = range.first; i < range.end; ++i) {
        const int row = i - range.first;
        const int q = landscapeBlockLeft(row / LandscapeRowsPerBlock);
        const int y = s.Y(landscapeTextY(row % LandscapeRowsPerBlock));
        const scoring::RankedPlayer p = scoring::splitRecord(rankList.at(i));
        put(canvas, s.X(q + 33), y, text::cp932::cutToBytes(p.name, 10), f16);
        put(canvas, s.X(q + 130), y, text::cp932::cutToBytes(p.team, 8), f16);
        put(canvas, s.X(q + 205), y, p.oneStrokes, f16);
        put(canvas, s.X(q + 228), y, p.twoStrokes, f16);
        put(canvas, s.X(q + 249), y, p.total, f16);
    }
}

void drawLandscapeResultTable(Canvas &canvas, sheet::Scale s, const ResultTableInput &in)
{
    canvas.setFontFace(fonts::gothic());
    drawLandscapeFrame(canvas, s, FrameKind::Result);
    const sheet::TextSize f16 = s.text(16);
    const int headY = s.Y(LandscapeTop + 7);
    for (int k = 0; k < LandscapeBlocks; ++k) {
        const int W = landscapeBlockLeft(k);
        put(canvas, s.X(W) + s.screenPixelsX(2), headY, u"順位"_s, f16);
        put(canvas, s.X(W + 57), headY, u"氏  名"_s, f16);
        put(canvas, s.X(W + 139), headY, u"チーム"_s, f16);
        put(canvas, s.X(W + 220), headY, u"得 点"_s, f16);
    }
    put(canvas, s.X(580 - in.particulars.titleShift), s.Y(38), in.particulars.tournamentName + u" 成績表"_s,
        s.text(20));
    const sheet::TextSize f14 = s.text(14);
    put(canvas, s.X(155), s.Y(43), u"得点欄の表示（1打数/２打数/合計)"_s, f14);
    put(canvas, s.X(1103), s.Y(43), u"ページ "_s + in.pageText, f14);
    drawLandscapeDate(canvas, s, in.particulars);
    drawLandscapeResultBody(canvas, s, in.rankList, in.page);
}

void drawPortraitResultTable(Canvas &canvas, sheet::Scale s, const ResultTableInput &in)
{
    canvas.setFontFace(fonts::gothic());
    drawPortraitFrame(canvas, s, FrameKind::Result);
    const sheet::TextSize f16 = s.text(16);
    const int headY = s.Y(PortraitTop + 6);
    put(canvas, s.X(245), headY, u"所属チーム"_s, f16);
    put(canvas, s.X(422), headY, u"氏 　名"_s, f16);
    put(canvas, s.X(130), headY, u"順  位"_s, f16);
    put(canvas, s.X(547), headY, u"一 打"_s, f16);
    put(canvas, s.X(627), headY, u"二 打"_s, f16);
    put(canvas, s.X(703), headY, u"合  計"_s, f16);
    put(canvas, s.X(460 - in.particulars.titleShift), s.Y(50), in.particulars.tournamentName + u" 成績表"_s,
        s.text(19));
    drawPortraitDateAndPage(canvas, s, in.particulars, in.pageText);

    for (int j = 0; j < PortraitPageRows; ++j) {
        const int y = s.Y(portraitTextY(j));
        put(canvas, s.X(210), y, u"国国国国国国国国国"_s, f16, Paper);
        put(canvas, s.X(393), y, u"国国国国国国国"_s, f16, Paper);
        put(canvas, s.X(557), y, u"88"_s, f16, Paper);
        put(canvas, s.X(637), y, u"99"_s, f16, Paper);
        put(canvas, s.X(715), y, u"000"_s, f16, Paper);
    }
    const PageRange range = portraitPage(in.page, static_cast<int>(in.rankList.size()));
    for (int j = 0; j < PortraitPageRows; ++j) {
        const int y = s.Y(portraitTextY(j) + 1);
        put(canvas, s.X(142), y, u"ZZZ"_s, f16, Paper);
        if (unentered(in.rankList, range.first + j))
            put(canvas, s.X(126), y, u"未入力"_s, f16);
        else
            put(canvas, s.X(142), y, QString::number(range.first + j + 1), f16);
    }
    for (int i = range.first; i < range.end; ++i) {
        const int y = s.Y(portraitTextY(i - range.first));
        const scoring::RankedPlayer p = scoring::splitRecord(in.rankList.at(i));
        put(canvas, s.X(393), y, p.name, f16);
        put(canvas, s.X(210), y, p.team, f16);
        put(canvas, s.X(557), y, p.oneStrokes, f16);
        put(canvas, s.X(637), y, p.twoStrokes, f16);
        put(canvas, s.X(715), y, p.total, f16);
    }
}

} // namespace tables
