#pragma once

#include <cstdint>

namespace tapwright {

class CDataSet;

// Update hints: bits 0 to 3 name the action, the higher bits carry its arguments.
namespace hint {
inline constexpr std::uint32_t kAnything = 0;        // anything may have changed
inline constexpr std::uint32_t kShowChannel = 1;     // bits 4-7: channel or display
inline constexpr std::uint32_t kOpenResponse = 3;    // bits 4-7: display, bits 8-11: filter
inline constexpr std::uint32_t kDesignLoaded = 4;    // design data reloaded: editors attach
inline constexpr std::uint32_t kSampleRate = 5;      // sampling frequency changed
inline constexpr std::uint32_t kAboutToSave = 6;     // editors write their controls back
inline constexpr std::uint32_t kActionMask = 0xF;

constexpr std::uint32_t Action(std::uint32_t value) { return value & kActionMask; }
constexpr std::uint32_t Field1(std::uint32_t value) { return (value >> 4) & 0xF; }
constexpr std::uint32_t Field2(std::uint32_t value) { return (value >> 8) & 0xF; }
}  // namespace hint

// A window on a document. The document announces every change to all its views with a
// hint and the data set concerned (which may be null); each view decides what to redraw
// or re-read.
class CView {
public:
    virtual ~CView() = default;

    virtual void OnUpdate(CView* sender, std::uint32_t hint, CDataSet* object) = 0;
};

}  // namespace tapwright
