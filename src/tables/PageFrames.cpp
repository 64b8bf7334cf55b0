#include "tables/PageFrames.h"

#include "tables/Drawing.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tables {

namespace {
PageRange pageOf(int page, int entries, int rows)
{
    PageRange r;
    r.first = rows * std::max(0, page - 1);
    r.end = std::max(r.first, std::min(rows * std::max(0, page), entries));
    return r;
}
} // namespace

PageRange landscapePage(int page, int entries) { return pageOf(page, entries, LandscapePageRows); }
PageRange portraitPage(int page, int entries) { return pageOf(page, entries, PortraitPageRows); }

void drawLandscapeFrame(Canvas &canvas, sheet::Scale s, FrameKind kind)
{
    constexpr int S = 27;
    constexpr int V = 70;
    constexpr int bottom = V + 26 * S;
    canvas.setPen(Ink, s.pen(1));
    for (int k = 0; k < LandscapeBlocks; ++k) {
        const int W = landscapeBlockLeft(k);
        for (int i = 0; i <= 26; ++i) canvas.line(s.X(W), s.Y(V + i * S), s.X(W + 275), s.Y(V + i * S));
        for (int x : {W, W + 275}) canvas.line(s.X(x), s.Y(V), s.X(x), s.Y(bottom));
        canvas.line(s.X(W + 35), s.Y(V), s.X(W + 35), s.Y(V + S));
        canvas.line(s.X(W + 28), s.Y(V + S), s.X(W + 28), s.Y(bottom));
        if (kind == FrameKind::Result) {
            for (int x : {W + 123, W + 202}) canvas.line(s.X(x), s.Y(V), s.X(x), s.Y(bottom));
            for (int x : {W + 224, W + 246}) canvas.line(s.X(x), s.Y(V + S), s.X(x), s.Y(bottom));
        } else {
            canvas.line(s.X(W + 145), s.Y(V), s.X(W + 145), s.Y(bottom));
        }
    }
}

void drawLandscapeDate(Canvas &canvas, sheet::Scale s, const Particulars &p)
{
    const sheet::TextSize f = s.text(16);
    const int y = s.Y(42);
    const std::pair<int, const QString *> values[] = {{922, &p.year}, {980, &p.month}, {1027, &p.day}};
    for (const auto &[x, value] : values) {
        put(canvas, s.X(x), y, u"   "_s, f, Paper);
        put(canvas, s.X(x), y, *value, f);
    }
    put(canvas, s.X(959), y, u"年"_s, f);
    put(canvas, s.X(1002), y, u"月"_s, f);
    put(canvas, s.X(1050), y, u"日"_s, f);
}

void drawPortraitFrame(Canvas &canvas, sheet::Scale s, FrameKind kind)
{
    constexpr int x0 = 110;
    constexpr int y0 = 75;
    constexpr int S = 26;
    constexpr int bottom = y0 + 41 * S;
    canvas.setPen(Ink, s.pen(1));
    for (int i = 0; i <= 41; ++i) canvas.line(s.X(x0), s.Y(y0 + i * S), s.X(765), s.Y(y0 + i * S));
    for (int x : {110, 190, 370, 525, 765}) canvas.line(s.X(x), s.Y(y0), s.X(x), s.Y(bottom));
    if (kind == FrameKind::Result)
        for (int x : {605, 685}) canvas.line(s.X(x), s.Y(y0), s.X(x), s.Y(bottom));
}

void drawPortraitDateAndPage(Canvas &canvas, sheet::Scale s, const Particulars &p, const QString &pageText)
{
    const sheet::TextSize f = s.text(14);
    const int y = s.Y(53);
    put(canvas, s.X(159), y, u"    "_s, f, Paper);
    put(canvas, s.X(159), y, p.year, f);
    put(canvas, s.X(211), y, u"   "_s, f, Paper);
    put(canvas, s.X(211), y, p.month, f);
    put(canvas, s.X(251), y, u"   "_s, f, Paper);
    put(canvas, s.X(251), y, p.day, f);
    put(canvas, s.X(191), y, u"年"_s, f);
    put(canvas, s.X(231), y, u"月"_s, f);
    put(canvas, s.X(271), y, u"日"_s, f);
    put(canvas, s.X(700), y, u"P. "_s + pageText, f);
}

} // namespace tables
