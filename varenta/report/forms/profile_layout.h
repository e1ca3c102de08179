#pragma once
// Geometry of the graphic profile picture (TfrmProfile).
//
// The picture is 480 x 480 pixels, origin top-left, y downwards. Positions
// are given in two logical units: u across the picture (0..195) and v in
// standard-score units upwards. Every conversion step rounds to the nearest
// integer; the fractions involved never produce an exact half.
//   x = round(u * 32 / 13)
//   w = round((v + 50) * 3.2),  y = round(1.2 * (480 - w))
// So v 80 lies at y 77, v 50 at y 192, v 20 at y 307 and v 0 at y 384.
#include "varenta/shell/run_state.h"

#include <array>
#include <string_view>

namespace varenta::profile {

inline constexpr int kPictureSize = 480;

int PixelX(int u);
int PixelY(int v);

// Column of each scale in scale order (index 0 = ?, ... 7 = O), in u.
inline constexpr std::array<int, kScaleCount> kScaleColumnU = {20, 40, 60, 85, 105, 125, 145, 165};

// The picture point of a scale (1-based scale position) at a standard score.
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};
Point ScalePoint(int scale, int standardScore);

// The seven horizontal grid lines: standard score, label, dotted or solid.
struct GridLine {
    int v;
    std::string_view label;
    bool dotted;
};
inline constexpr std::array<GridLine, 7> kGridLines = {{
    {80, " 80", false},
    {65, " 65", false},
    {55, " 55", false},
    {50, " 50", true},
    {45, " 45", false},
    {35, " 35", false},
    {20, " 20", false},
}};

// Frame and divider columns (u) and the extent of the grid.
inline constexpr std::array<int, 3> kVerticalLineU = {10, 75, 180};
inline constexpr int kGridLeftU = 10;
inline constexpr int kGridRightU = 180;
inline constexpr int kGridTopV = 80;
inline constexpr int kGridBottomV = 20;
inline constexpr int kLeftLabelU = 1;
inline constexpr int kRightLabelU = 181;
// A grid label sits this many standard-score units above its line.
inline constexpr int kLabelRaiseV = 2;

// Scale labels: the eight scales at v 15, the five factor letters at v 10.
inline constexpr std::array<std::string_view, kScaleCount> kScaleLabels = {
    "?", "F", "Att", "1", "2", "3", "4", "5"};
inline constexpr std::array<std::string_view, 5> kFactorLetters = {"E", "A", "C", "N", "O"};
inline constexpr int kScaleLabelV = 15;
inline constexpr int kFactorLetterV = 10;

// Rows of figures: caption and figures (v) for standard and raw scores.
inline constexpr int kStandardCaptionV = 5;
inline constexpr int kStandardFiguresV = 0;
inline constexpr int kRawCaptionV = -5;
inline constexpr int kRawFiguresV = -10;

// Half the side of the square each score circle is inscribed in.
inline constexpr int kCircleRadius = 4;

// The "Code: " line: the whole text is cut to this many characters.
inline constexpr std::size_t kCodeLineLength = 10;

}  // namespace varenta::profile
