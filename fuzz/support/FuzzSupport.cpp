#include "support/FuzzSupport.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define TAPWRIGHT_FUZZ_WITH_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAPWRIGHT_FUZZ_WITH_ASAN 1
#endif
#endif

#if defined(TAPWRIGHT_FUZZ_WITH_ASAN)
// Part of every sanitizer runtime; declared here since not every compiler ships its header.
extern "C" int __sanitizer_install_malloc_and_free_hooks(
    void (*mallocHook)(const volatile void*, std::size_t),
    void (*freeHook)(const volatile void*));
#endif

namespace tapwright::fuzz {

namespace {

// Two doubles per input byte (a one-byte line of "Text:Binary" is a point of two values),
// twice that for a vector's spare capacity, and room for one full data block.
constexpr std::size_t kBytesPerInputByte = 32;
constexpr std::size_t kDataBlockBytes = 65536 * sizeof(double);
constexpr std::size_t kFixedAllowance = 2 * kDataBlockBytes;

// Written from allocation hooks, which may run on any thread and must not allocate.
std::atomic<int> watching{0};
std::atomic<std::size_t> largest{0};

void NoteAllocation(std::size_t size) {
    if (watching.load(std::memory_order_relaxed) == 0) {
        return;
    }
    std::size_t seen = largest.load(std::memory_order_relaxed);
    while (size > seen && !largest.compare_exchange_weak(seen, size, std::memory_order_relaxed)) {
    }
}

#if defined(TAPWRIGHT_FUZZ_WITH_ASAN)

// The sanitizer runtime calls these for every allocation, whichever way it is made.
void OnMalloc(const volatile void*, std::size_t size) { NoteAllocation(size); }
void OnFree(const volatile void*) {}

void InstallAllocationHooks() {
    static const bool installed =
        __sanitizer_install_malloc_and_free_hooks(&OnMalloc, &OnFree) != 0;
    static_cast<void>(installed);
}

#else

// Without a sanitizer runtime the replacement operator new below reports the sizes.
void InstallAllocationHooks() {}

#endif

}  // namespace

void Require(bool holds, std::string_view what) {
    if (holds) {
        return;
    }
    std::fprintf(stderr, "fuzz property violated: %.*s\n", static_cast<int>(what.size()),
                 what.data());
    std::abort();
}

MessageResult RecordingUserInterface::ShowMessage(const std::string& text, MessageButtons buttons,
                                                  MessageIcon icon, const std::string&) {
    messages_.push_back({text, icon});
    return DefaultAnswer(buttons);
}

AllocationWatch::AllocationWatch() {
    InstallAllocationHooks();
    largest.store(0, std::memory_order_relaxed);
    watching.fetch_add(1, std::memory_order_relaxed);
}

AllocationWatch::~AllocationWatch() { watching.fetch_sub(1, std::memory_order_relaxed); }

std::size_t AllocationWatch::Largest() const { return largest.load(std::memory_order_relaxed); }

std::size_t AllocationAllowance(std::size_t inputSize) {
    return kBytesPerInputByte * inputSize + kFixedAllowance;
}

void RequireModestAllocations(const AllocationWatch& watch, std::size_t inputSize) {
    if (watch.Largest() <= AllocationAllowance(inputSize)) {
        return;
    }
    std::fprintf(stderr, "a read of %zu bytes allocated %zu bytes at once\n", inputSize,
                 watch.Largest());
    Require(false, "allocation within a small multiple of the input size");
}

bool ContainsWordIgnoringCase(std::string_view text, std::string_view word) {
    const auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    return std::search(text.begin(), text.end(), word.begin(), word.end(), same) != text.end();
}

}  // namespace tapwright::fuzz

#if !defined(TAPWRIGHT_FUZZ_WITH_ASAN)

// The plain replay build sees allocations here. The array and nothrow forms of the standard
// library end in this one, and its delete frees what malloc gave.
void* operator new(std::size_t size) {
    tapwright::fuzz::NoteAllocation(size);
    for (;;) {
        if (void* memory = std::malloc(size == 0 ? 1 : size)) {
            return memory;
        }
        const std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) {
            throw std::bad_alloc();
        }
        handler();
    }
}

#endif
