#pragma once

// Fixed-size arrays indexed from 1, the way planners and the model's tables
// number subcatchments (j), subestuaries (k) and thickness rows. Every read and
// write is range-checked: an index outside the declared bounds raises the
// model's "Subscript out of range" error instead of touching memory.

#include "ModelError.h"

#include <array>
#include <cstddef>

namespace siltmere {

template <typename T, int... Extents>
class OneBasedArray {
    static_assert(sizeof...(Extents) > 0, "an array needs at least one dimension");
    static_assert(((Extents > 0) && ...), "every dimension needs at least one element");

public:
    static constexpr std::size_t kRank = sizeof...(Extents);
    static constexpr std::size_t kSize = (std::size_t{1} * ... * static_cast<std::size_t>(Extents));

    template <typename... Index>
    T& operator()(Index... index)
    {
        return data_[offset(index...)];
    }

    template <typename... Index>
    const T& operator()(Index... index) const
    {
        return data_[offset(index...)];
    }

    friend bool operator==(const OneBasedArray& a, const OneBasedArray& b) { return a.data_ == b.data_; }
    friend bool operator!=(const OneBasedArray& a, const OneBasedArray& b) { return !(a == b); }

private:
    template <typename... Index>
    static std::size_t offset(Index... index)
    {
        static_assert(sizeof...(Index) == kRank, "wrong number of indices");
        constexpr std::array<int, kRank> bounds{Extents...};
        const std::array<long long, kRank> idx{static_cast<long long>(index)...};
        std::size_t flat = 0;
        for (std::size_t d = 0; d < kRank; ++d) {
            if (idx[d] < 1 || idx[d] > bounds[d])
                throw ModelError::subscriptOutOfRange();
            flat = flat * static_cast<std::size_t>(bounds[d]) + static_cast<std::size_t>(idx[d] - 1);
        }
        return flat;
    }

    std::array<T, kSize> data_{};
};

} // namespace siltmere
