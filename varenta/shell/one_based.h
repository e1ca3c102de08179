#pragma once
// A fixed table indexed 1..N, as the run state's tables are numbered.
// Every access is checked: an index outside 1..N is a fault of the program
// (common::InternalError), never a write beside the table.
#include "common/errors.h"

#include <array>
#include <string>

namespace varenta {

template <typename T, int N>
class OneBased {
public:
    static constexpr int kSize = N;

    T& operator[](int index) { return items_[checked(index)]; }
    const T& operator[](int index) const { return items_[checked(index)]; }

    void Fill(const T& value) { items_.fill(value); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    bool operator==(const OneBased&) const = default;

private:
    static std::size_t checked(int index)
    {
        if (index < 1 || index > N)
            throw common::InternalError("table index " + std::to_string(index) +
                                        " outside 1.." + std::to_string(N));
        return static_cast<std::size_t>(index - 1);
    }
    std::array<T, N> items_{};
};

}  // namespace varenta
