#pragma once
// Sheet units: every table is laid out in units that a scale turns into device pixels.
// A quantity u is drawn at the whole-number part of u × scale (truncated, never rounded);
// a position E + u, E already in pixels, is trunc(E + u × scale), truncated once.

#include <algorithm>
#include <cmath>

namespace tables::sheet {

// The size of a text: its height in pixels and how wide its letters are drawn against the
// face's own shape at that height (1: as the face draws them).
struct TextSize {
    int pixels = 1;
    double widthFactor = 1.0;
};

struct Scale {
    double x = 1.0;
    double y = 1.0;
    // The screen scale whose picture a page on paper reproduces (zero: none, the texts follow
    // this scale alone). The screen draws a text in whole pixels, a little smaller than its
    // units and with letters as wide as high in pixels; paper keeps those proportions, so
    // that every text stands in its cell as it does on the screen.
    double screenX = 0.0;
    double screenY = 0.0;

    // A horizontal and a vertical position or length in pixels.
    int X(double u) const { return static_cast<int>(std::trunc(u * x)); }
    int Y(double u) const { return static_cast<int>(std::trunc(u * y)); }
    // A pixel position moved by u units.
    int offX(int pixels, double u) const { return static_cast<int>(std::trunc(pixels + u * x)); }
    int offY(int pixels, double u) const { return static_cast<int>(std::trunc(pixels + u * y)); }
    // Font heights are vertical quantities, pen widths horizontal ones (at least one pixel).
    // Against a screen, the height is the screen's whole pixels carried over to this device.
    int font(double h) const
    {
        if (!showsScreen()) return std::max(1, Y(h));
        const int onScreen = std::max(1, static_cast<int>(std::trunc(h * screenY)));
        return std::max(1, static_cast<int>(std::lround(onScreen * y / screenY)));
    }
    // A text's size: on screen as font(h); against a screen its letters are as wide, in units,
    // as the screen's.
    TextSize text(double h) const
    {
        const int pixels = font(h);
        if (!showsScreen() || (x == screenX && y == screenY)) return {pixels, 1.0};
        const int onScreen = std::max(1, static_cast<int>(std::trunc(h * screenY)));
        return {pixels, onScreen * x / screenX / pixels};
    }
    int pen(double w) const { return std::max(1, X(w)); }
    // A nudge of whole screen pixels (a text set off its rule), in this device's pixels.
    int screenPixelsX(int pixels) const
    {
        return showsScreen() ? static_cast<int>(std::lround(pixels * x / screenX)) : pixels;
    }
    int screenPixelsY(int pixels) const
    {
        return showsScreen() ? static_cast<int>(std::lround(pixels * y / screenY)) : pixels;
    }

    // This scale reproducing the picture of a screen at `screen`.
    Scale showing(const Scale &screen) const { return Scale{x, y, screen.x, screen.y}; }
    bool showsScreen() const { return screenX > 0 && screenY > 0; }

    friend bool operator==(const Scale &, const Scale &) = default;
};

// The screen scales of the tables.
inline constexpr Scale ScoreSheetScreen{0.82, 0.85};
inline constexpr Scale GridScreen{0.82, 0.79};      // combination table and score-entry table
inline constexpr Scale LandscapeScreen{0.82, 0.80}; // ヨコ形 result and member tables
inline constexpr Scale PortraitScreen{1.0, 1.0};    // タテ形 result and member tables

// On paper one unit is 0.00925 inch across and 0.0097 inch down.
inline constexpr double InchesPerUnitX = 0.00925;
inline constexpr double InchesPerUnitY = 0.0097;
inline Scale printerScale(int dpiX, int dpiY) { return Scale{dpiX * InchesPerUnitX, dpiY * InchesPerUnitY}; }

// The layouts' sizes in units.
inline constexpr int LandscapeWidth = 1215;
inline constexpr int LandscapeHeight = 770;
inline constexpr int GridHeight = 775;
inline constexpr int PortraitWidth = 874;
inline constexpr int PortraitHeight = 1220;

} // namespace tables::sheet
