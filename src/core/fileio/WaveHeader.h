#pragma once

#include <cstdint>

namespace tapwright {

// The fields of a WAVE file's RIFF header, its format chunk and its data chunk header.
struct WaveHeader {
    std::uint32_t riffLength = 0;
    std::uint32_t formatLength = 0;
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;
    std::uint32_t dataBytes = 0;

    int BytesPerSample() const { return bitsPerSample / 8; }
};

}  // namespace tapwright
