#include "platform/HeapTuning.h"

#include <cstdlib>  // defines __GLIBC__ when the C library is the GNU one

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tapwright {

namespace {

// The largest mapping threshold the C library accepts on 64-bit systems; buffers above it
// (a 10,000-tap design's largest are a few megabytes) are rare enough to map.
constexpr int kMapThreshold = 32 * 1024 * 1024;
// Freed memory at the top of the heap is returned to the system only beyond this.
constexpr int kTrimThreshold = 128 * 1024 * 1024;

}  // namespace

void KeepLargeBuffersInHeap() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kMapThreshold);
    mallopt(M_TRIM_THRESHOLD, kTrimThreshold);
#endif
}

}  // namespace tapwright
