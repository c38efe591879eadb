// Picture decoding and scaling, free of Win32.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vt::ui {

struct Image {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3 bytes, top row first
};

// Decodes a baseline or progressive JPEG held in memory; an empty image when
// the data cannot be decoded.
Image DecodeJpeg(const std::uint8_t* data, std::size_t size);

// Scales by averaging, for each target pixel, the source area it covers: a
// smooth filter for shrinking.
Image ScaleArea(const Image& source, int width, int height);

} // namespace vt::ui
