#pragma once
// The scoring key of the seven keyed scales.
//
// An item in a scale's "yes" list scores one point when its answer is 1
// (はい); an item in its "no" list scores one point when its answer is -1
// (いいえ). Several items belong to two scales (every F item does), and an
// answer counts for every scale whose key it matches. The undecided scale ?
// has no key: it counts the answers equal to 0 over all 70 items.
#include "varenta/shell/run_state.h"

#include <array>
#include <cstddef>
#include <initializer_list>

namespace varenta {

// A short list of item numbers, usable in constant expressions.
class ItemList {
public:
    static constexpr int kCapacity = 12;

    constexpr ItemList(std::initializer_list<int> items)
    {
        for (int item : items) {
            if (count_ == kCapacity)
                throw "too many items in one key list";  // stops compilation
            items_[static_cast<std::size_t>(count_++)] = item;
        }
    }

    constexpr int size() const { return count_; }
    constexpr const int* begin() const { return items_.data(); }
    constexpr const int* end() const { return items_.data() + count_; }

private:
    std::array<int, kCapacity> items_{};
    int count_ = 0;
};

struct ScaleKey {
    Scale scale;
    ItemList yes;  // scored on answer 1
    ItemList no;   // scored on answer -1
};

// clang-format off
inline constexpr std::array<ScaleKey, 7> kScoringKey{{
    // Scale            Items scored on "yes"                    Items scored on "no"
    {kFrequency,        {31, 44, 50},                            {5, 15, 25, 48, 65}},
    {kAttitude,         {9, 20, 41, 43, 50},                     {33, 39, 52, 58, 69}},
    {kExtraversion,     {3, 11, 19, 38, 53, 57},                 {4, 14, 23, 35, 37, 60}},
    {kAgreeableness,    {5, 15, 25, 48, 65, 68, 70},             {6, 31, 45, 49, 63}},
    {kConscientiousness,{12, 21, 51, 55, 67},                    {1, 2, 10, 27, 28, 36, 64}},
    {kStability,        {16, 17},                                {8, 13, 18, 24, 26, 29, 44, 56, 62, 66}},
    {kOpenness,         {7, 30, 34, 40, 42, 46, 54, 59, 61},     {22, 32, 47}},
}};
// clang-format on

// The highest raw score of a scale: 70 for ?, otherwise the number of its
// keyed items.
constexpr int MaxRawScore(Scale scale)
{
    if (scale == kUndecided)
        return kItemCount;
    for (const ScaleKey& key : kScoringKey)
        if (key.scale == scale)
            return key.yes.size() + key.no.size();
    return 0;
}

// The key lists the scales F to O in scale order, and names items 1..70 only.
constexpr bool KeyWellFormed()
{
    int position = kFrequency;
    for (const ScaleKey& key : kScoringKey) {
        if (key.scale != position++)
            return false;
        for (const ItemList* list : {&key.yes, &key.no})
            for (int item : *list)
                if (item < 1 || item > kItemCount)
                    return false;
    }
    return true;
}

static_assert(KeyWellFormed());
static_assert(MaxRawScore(kFrequency) == 8);
static_assert(MaxRawScore(kAttitude) == 10);
static_assert(MaxRawScore(kExtraversion) == 12 && MaxRawScore(kAgreeableness) == 12 &&
              MaxRawScore(kConscientiousness) == 12 && MaxRawScore(kStability) == 12 &&
              MaxRawScore(kOpenness) == 12);

}  // namespace varenta
