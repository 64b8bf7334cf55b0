#include "tables/MemberTable.h"

#include "tables/CombinationGrid.h"
#include "tables/Drawing.h"
#include "tables/PageFrames.h"
#include "text/CommaText.h"

using namespace Qt::StringLiterals;

namespace tables {

namespace {
QString fieldOf(const QStringList &fields, int index)
{
    return index < fields.size() ? fields.at(index) : QString();
}
} // namespace

void drawLandscapeMemberTable(Canvas &canvas, sheet::Scale s, const MemberTableInput &in)
{
    canvas.setFontFace(fonts::gothic());
    const sheet::TextSize f16 = s.text(16);
    const int n = static_cast<int>(in.rosterLines.size());
    // The name and team fields are blanked before the frame is ruled: on paper a blank is
    // a little wider than on the screen and would cut the line beside the names.
    if (n > 0) {
        for (int k = 0; k < LandscapeBlocks; ++k) {
            const int q = landscapeBlockLeft(k);
            for (int j = 0; j < LandscapeRowsPerBlock; ++j) {
                const int y = s.Y(103 + j * 27);
                put(canvas, s.X(q + 32), y, u"国国国国国国国"_s, f16, Paper);
                put(canvas, s.X(q + 155), y, u"国国国国国国国"_s, f16, Paper);
            }
        }
    }
    drawLandscapeFrame(canvas, s, FrameKind::Member);

    for (int k = 0; k < LandscapeBlocks; ++k) {
        const int W = landscapeBlockLeft(k);
        put(canvas, s.X(W) + s.screenPixelsX(2), s.Y(77), u"番号"_s, f16);
        put(canvas, s.X(W + 67), s.Y(77), u"氏 　 名"_s, f16);
        put(canvas, s.X(W + 179), s.Y(77), u"所属チーム"_s, f16);
    }
    put(canvas, s.X(580 - in.particulars.titleShift), s.Y(38),
        in.particulars.tournamentName + u" メンバー表"_s, s.text(20));
    put(canvas, s.X(1103), s.Y(42), u"ページ "_s + in.pageText, s.text(14));
    drawLandscapeDate(canvas, s, in.particulars);

    if (n == 0) return;
    const PageRange range = landscapePage(in.page, n);
    const sheet::TextSize f14 = s.text(14);
    for (int k = 0; k < LandscapeBlocks; ++k) {
        const int q = landscapeBlockLeft(k);
        for (int j = 0; j < LandscapeRowsPerBlock; ++j) {
            const int x = s.X(q) + s.screenPixelsX(3);
            const int y = s.Y(70 + (j + 1) * 27) + s.screenPixelsY(7);
            put(canvas, x, y, u"jjj"_s, f14, Paper);
            put(canvas, x, y, QString::number(range.first + LandscapeRowsPerBlock * k + j + 1), f14);
        }
    }
    for (int i = range.first; i < range.end; ++i) {
        const int row = i - range.first;
        const int q = landscapeBlockLeft(row / LandscapeRowsPerBlock);
        const int y = s.Y(103 + (row % LandscapeRowsPerBlock) * 27);
        const QStringList fields = text::commatext::split(in.rosterLines.at(i));
        put(canvas, s.X(q + 32), y, fieldOf(fields, 0), f16);
        put(canvas, s.X(q + 155), y, teamCut(fieldOf(fields, 1)), f16);
    }
}

void drawPortraitMemberTable(Canvas &canvas, sheet::Scale s, const MemberTableInput &in)
{
    canvas.setFontFace(fonts::gothic());
    drawPortraitFrame(canvas, s, FrameKind::Member);

    const sheet::TextSize f16 = s.text(16);
    const int headY = s.Y(81);
    put(canvas, s.X(245), headY, u"所属チーム"_s, f16);
    put(canvas, s.X(422), headY, u"氏 　名"_s, f16);
    put(canvas, s.X(130), headY, u"番  号"_s, f16);
    put(canvas, s.X(625), headY, u"メ　モ"_s, f16);
    put(canvas, s.X(460 - in.particulars.titleShift), s.Y(50),
        in.particulars.tournamentName + u" メンバー表"_s, s.text(19));
    drawPortraitDateAndPage(canvas, s, in.particulars, in.pageText);

    const int n = static_cast<int>(in.rosterLines.size());
    const PageRange range = portraitPage(in.page, n);
    for (int j = 0; j < PortraitPageRows; ++j) {
        const int y = s.Y(107 + j * 26);
        put(canvas, s.X(210), y, u"国国国国国国国国国"_s, f16, Paper);
        put(canvas, s.X(393), y, u"国国国国国国国"_s, f16, Paper);
        put(canvas, s.X(545), y, u"国国国国国国国国国国国国"_s, f16, Paper);
    }
    for (int j = 0; j < PortraitPageRows; ++j) {
        const int y = s.Y(107 + j * 26 + 1);
        put(canvas, s.X(142), y, u"ZZZ"_s, f16, Paper);
        put(canvas, s.X(142), y, QString::number(range.first + j + 1), f16);
    }
    for (int i = range.first; i < range.end; ++i) {
        const int y = s.Y(107 + (i - range.first) * 26);
        const QStringList fields = text::commatext::split(in.rosterLines.at(i));
        put(canvas, s.X(393), y, fieldOf(fields, 0), f16);
        put(canvas, s.X(210), y, fieldOf(fields, 1), f16);
        const QString spare = fieldOf(fields, 11);
        if (!spare.isEmpty()) put(canvas, s.X(545), y, spare, f16);
    }
}

} // namespace tables
