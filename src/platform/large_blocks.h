// Zeroed memory for the large tables of a calculation: its station tables and the solvers'
// columns, a few hundred kilobytes each. A fresh page costs a fault the first time it is
// written, and on a virtual machine a fault can cost more than the arithmetic done on the
// page: a two-support report wrote some 160 pages of one table. So the blocks come from
// 2 MB regions that the system is asked to back with huge pages, where one fault brings in
// the whole region. Without huge pages the regions are ordinary memory.
#pragma once

#include <cstddef>
#include <cstring>
#include <type_traits>
#include <utility>

namespace bxr {

// A zeroed block of at least bytes, aligned for any type; throws std::bad_alloc when the
// system has no memory left. Freed blocks are kept for the next one of their size (a folder
// run builds a workspace per project) and cleared when they are handed out again.
void* TakeZeroedBlock(std::size_t bytes);
void GiveBackBlock(void* block, std::size_t bytes);

// count values of a trivially copyable T, all bits zero at first.
template <typename T>
class ZeroedArray {
    static_assert(std::is_trivially_copyable_v<T>);

  public:
    explicit ZeroedArray(std::size_t count = 0) : count_(count), data_(Take(count)) {}
    ZeroedArray(const ZeroedArray& other) : count_(other.count_), data_(Take(other.count_)) {
        if (count_ != 0) std::memcpy(data_, other.data_, count_ * sizeof(T));
    }
    ZeroedArray& operator=(const ZeroedArray& other) {
        if (this != &other) {
            ZeroedArray copy(other);
            Swap(copy);
        }
        return *this;
    }
    ZeroedArray(ZeroedArray&& other) noexcept : count_(other.count_), data_(other.data_) {
        other.count_ = 0;
        other.data_ = nullptr;
    }
    ZeroedArray& operator=(ZeroedArray&& other) noexcept {
        Swap(other);
        return *this;
    }
    ~ZeroedArray() {
        if (data_ != nullptr) GiveBackBlock(data_, count_ * sizeof(T));
    }

    // At least count values: a larger array, all zero, when this one is smaller.
    void EnsureZeroed(std::size_t count) {
        if (count_ >= count) return;
        ZeroedArray larger(count);
        Swap(larger);
    }

    T* data() { return data_; }
    const T* data() const { return data_; }
    std::size_t size() const { return count_; }
    T& operator[](std::size_t k) { return data_[k]; }
    const T& operator[](std::size_t k) const { return data_[k]; }

  private:
    static T* Take(std::size_t count) {
        return count == 0 ? nullptr : static_cast<T*>(TakeZeroedBlock(count * sizeof(T)));
    }
    void Swap(ZeroedArray& other) noexcept {
        std::swap(count_, other.count_);
        std::swap(data_, other.data_);
    }
    std::size_t count_;
    T* data_;
};

}  // namespace bxr
