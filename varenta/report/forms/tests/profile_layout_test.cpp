#include "varenta/report/forms/profile_layout.h"

#include <gtest/gtest.h>

namespace varenta::profile {
namespace {

// The pixel positions of the picture's texts, lines and labels.
TEST(ProfileLayout, StandardScoreUnitsBecomeTheListedRows)
{
    struct Row { int v; int y; };
    const Row rows[] = {
        {95, 19}, {90, 38}, {85, 58},                          // title, sex, code
        {80, 77}, {65, 134}, {55, 173}, {50, 192},             // grid lines
        {45, 211}, {35, 250}, {20, 307},
        {82, 70}, {67, 127}, {57, 166}, {52, 185},             // their labels
        {47, 204}, {37, 242}, {22, 300},
        {15, 326}, {10, 346}, {5, 365}, {0, 384}, {-5, 403}, {-10, 422},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PixelY(row.v), row.y) << "v " << row.v;
}

TEST(ProfileLayout, HorizontalUnitsBecomeTheListedColumns)
{
    struct Column { int u; int x; };
    const Column columns[] = {
        {0, 0}, {1, 2}, {10, 25}, {75, 185}, {180, 443}, {181, 446}, {195, 480},
        {20, 49}, {40, 98}, {60, 148}, {85, 209}, {105, 258}, {125, 308}, {145, 357}, {165, 406},
    };
    for (const Column& column : columns)
        EXPECT_EQ(PixelX(column.u), column.x) << "u " << column.u;
}

TEST(ProfileLayout, ExampleScoresLandOnTheirPoints)
{
    const int scores[kScaleCount] = {49, 57, 53, 48, 45, 50, 41, 63};
    const Point expected[kScaleCount] = {{49, 196},  {98, 166},  {148, 180}, {209, 199},
                                         {258, 211}, {308, 192}, {357, 227}, {406, 142}};
    for (int scale = 1; scale <= kScaleCount; ++scale)
        EXPECT_EQ(ScalePoint(scale, scores[scale - 1]), expected[scale - 1]) << "scale " << scale;
}

}  // namespace
}  // namespace varenta::profile
