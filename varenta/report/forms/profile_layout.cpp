#include "profile_layout.h"

#include "common/errors.h"

namespace varenta::profile {

namespace {

// The integer nearest to num / den (den > 0), for either sign of num.
int NearestInteger(long long num, long long den)
{
    long long twice = 2 * num + den;
    long long q = twice / (2 * den);
    if (twice % (2 * den) != 0 && twice < 0)
        --q;  // floor for negative values
    return static_cast<int>(q);
}

}  // namespace

int PixelX(int u)
{
    return NearestInteger(32LL * u, 13);
}

int PixelY(int v)
{
    // w = (v + 50) * 3.2 = (v + 50) * 16 / 5; y = 1.2 * (480 - w) = 6 * (480 - w) / 5
    int w = NearestInteger(16LL * (v + 50), 5);
    return NearestInteger(6LL * (kPictureSize - w), 5);
}

Point ScalePoint(int scale, int standardScore)
{
    if (scale < 1 || scale > kScaleCount)
        throw common::InternalError("profile scale out of range");
    return {PixelX(kScaleColumnU[scale - 1]), PixelY(standardScore)};
}

}  // namespace varenta::profile
