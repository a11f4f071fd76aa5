#pragma once

namespace tapwright {

// Keeps freed large buffers in the heap for the next use. A design allocates and frees
// buffers of a few hundred kilobytes many times (transforms, estimates, certificates); by
// default the C library maps each one afresh, and the kernel faults in and clears every page
// of it on every use, which costs a long design about a tenth of its time. Call once, before
// any computation.
void KeepLargeBuffersInHeap();

}  // namespace tapwright
