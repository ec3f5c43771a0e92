#include "platform/memory_reuse.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace bxr {

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    // Some blocks of a project's run lie above the library's default limits, where they
    // would be mapped and unmapped again for every project of a folder run.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

}  // namespace bxr
