// Terms that act at and right of their positions, such as the forces in the shear sum of a
// pass. At every point the pass adds the terms that have started, in the order of their list;
// this keeps that list of started terms as the points go by, so that a point visits only the
// terms that act on it and still adds the same numbers in the same order.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

namespace bxr {

template <std::size_t Room>
class StartedTerms {
  public:
    // start[i] is the first point of term i (list order); a term that never starts has a first
    // point beyond the last.
    void Reset(const std::array<int, Room>& start, int count) {
        start_ = &start;
        count_ = count;
        active_ = 0;
        next_ = 0;
        for (int i = 0; i < count; ++i) order_[static_cast<std::size_t>(i)] = i;
        std::stable_sort(order_.begin(), order_.begin() + count,
                         [&](int a, int b) { return Start(a) < Start(b); });
    }

    // Lets the terms that start at or before point k join, k rising from call to call. True
    // when any did.
    bool AdvanceTo(int k) {
        bool joined = false;
        while (next_ < count_ && Start(order_[static_cast<std::size_t>(next_)]) <= k) {
            const int term = order_[static_cast<std::size_t>(next_++)];
            int at = active_++;
            while (at > 0 && list_[static_cast<std::size_t>(at - 1)] > term) {
                list_[static_cast<std::size_t>(at)] = list_[static_cast<std::size_t>(at - 1)];
                --at;
            }
            list_[static_cast<std::size_t>(at)] = term;
            joined = true;
        }
        return joined;
    }

    // The first point of the next term to start; INT_MAX when all have started.
    int NextStart() const {
        return next_ < count_ ? Start(order_[static_cast<std::size_t>(next_)])
                              : std::numeric_limits<int>::max();
    }

    // The started terms in list order.
    const int* begin() const { return list_.data(); }
    const int* end() const { return list_.data() + active_; }

  private:
    int Start(int term) const { return (*start_)[static_cast<std::size_t>(term)]; }

    const std::array<int, Room>* start_ = nullptr;
    int count_ = 0, active_ = 0, next_ = 0;
    std::array<int, Room> order_{};
    std::array<int, Room> list_{};
};

}  // namespace bxr
