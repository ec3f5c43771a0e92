#include "platform/memory_reuse.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace bxr {

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    // A workspace holds tables of over a megabyte; above these limits blocks would be mapped
    // and unmapped one by one.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

}  // namespace bxr
