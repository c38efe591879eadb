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
// the data cannot be decoded. With a wanted size, the image may come out
// smaller than stored (by 1/2, 1/4 or 1/8) but never smaller than that size.
Image DecodeJpeg(const std::uint8_t* data, std::size_t size, int minWidth = 0, int minHeight = 0);

// Scales by averaging, for each target pixel, the source area it covers: a
// smooth filter for shrinking.
Image ScaleArea(const Image& source, int width, int height);

} // namespace vt::ui
