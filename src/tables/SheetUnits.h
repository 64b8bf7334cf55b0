#pragma once
// Sheet units: every table is laid out in units that a scale turns into device pixels.
// A quantity u is drawn at the whole-number part of u × scale (truncated, never rounded);
// a position E + u, E already in pixels, is trunc(E + u × scale), truncated once.

#include <algorithm>
#include <cmath>

namespace tables::sheet {

struct Scale {
    double x = 1.0;
    double y = 1.0;

    // A horizontal and a vertical position or length in pixels.
    int X(double u) const { return static_cast<int>(std::trunc(u * x)); }
    int Y(double u) const { return static_cast<int>(std::trunc(u * y)); }
    // A pixel position moved by u units.
    int offX(int pixels, double u) const { return static_cast<int>(std::trunc(pixels + u * x)); }
    int offY(int pixels, double u) const { return static_cast<int>(std::trunc(pixels + u * y)); }
    // Font heights are vertical quantities, pen widths horizontal ones (at least one pixel).
    int font(double h) const { return std::max(1, Y(h)); }
    int pen(double w) const { return std::max(1, X(w)); }

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
