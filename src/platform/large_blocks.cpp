#include "platform/large_blocks.h"

#include <sys/mman.h>

#include <cstdint>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

namespace bxr {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kAlignment = 64;

std::size_t RoundUp(std::size_t bytes, std::size_t step) {
    return (bytes + step - 1) / step * step;
}

// A region of whole huge pages, aligned to them, asked to be backed by them.
char* MapRegion(std::size_t bytes) {
    const std::size_t mapped = bytes + kHugePage;
    void* raw = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    char* start = static_cast<char*>(raw);
    char* aligned = reinterpret_cast<char*>(
        RoundUp(reinterpret_cast<std::uintptr_t>(start), kHugePage));
    if (aligned != start) ::munmap(start, static_cast<std::size_t>(aligned - start));
    char* end = aligned + bytes;
    const std::size_t tail = static_cast<std::size_t>(start + mapped - end);
    if (tail != 0) ::munmap(end, tail);
#ifdef MADV_HUGEPAGE
    ::madvise(aligned, bytes, MADV_HUGEPAGE);  // a hint: without it the pages are small
#endif
    return aligned;
}

class BlockPool {
  public:
    void* Take(std::size_t bytes) {
        bytes = RoundUp(bytes == 0 ? 1 : bytes, kAlignment);
        std::lock_guard<std::mutex> lock(mutex_);
        for (auto& [size, blocks] : freed_) {
            if (size != bytes || blocks.empty()) continue;
            void* block = blocks.back();
            blocks.pop_back();
            std::memset(block, 0, bytes);
            return block;
        }
        if (bytes > left_) {
            // The rest of the current region stays unused: the tables come in a few sizes,
            // and a region holds several of them.
            const std::size_t size = RoundUp(bytes, kHugePage);
            next_ = MapRegion(size);
            left_ = size;
        }
        void* block = next_;
        next_ += bytes;
        left_ -= bytes;
        return block;
    }

    void GiveBack(void* block, std::size_t bytes) {
        bytes = RoundUp(bytes == 0 ? 1 : bytes, kAlignment);
        std::lock_guard<std::mutex> lock(mutex_);
        for (auto& [size, blocks] : freed_) {
            if (size == bytes) {
                blocks.push_back(block);
                return;
            }
        }
        freed_.push_back({bytes, {block}});
    }

  private:
    std::mutex mutex_;
    char* next_ = nullptr;
    std::size_t left_ = 0;
    std::vector<std::pair<std::size_t, std::vector<void*>>> freed_;
};

// Never destroyed: workspaces with static lifetime give their blocks back at exit.
BlockPool& Pool() {
    static BlockPool* pool = new BlockPool;
    return *pool;
}

}  // namespace

void* TakeZeroedBlock(std::size_t bytes) {
    return Pool().Take(bytes);
}

void GiveBackBlock(void* block, std::size_t bytes) {
    Pool().GiveBack(block, bytes);
}

}  // namespace bxr
