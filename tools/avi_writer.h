// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

struct Rgb {
    uint8_t r, g, b;
};

// A picture in palette indices, top row first; drawing outside it is ignored.
struct Picture {
    int width;
    int height;
    std::vector<uint8_t> pixels;

    Picture(int w, int h, uint8_t fill) : width(w), height(h), pixels(size_t(w) * h, fill) {}
    void set(int x, int y, uint8_t index) {
        if (x >= 0 && y >= 0 && x < width && y < height) {
            pixels[size_t(y) * width + x] = index;
        }
    }
    uint8_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

struct AviWriteResult {
    bool ok = false;
    std::string error;  // why nothing was written, when !ok
    std::vector<uint8_t> bytes;
};

// A silent AVI of 8-bit frames, all of the first frame's size, each a key
// frame, either RLE8 or uncompressed, with an index. Sizes are worked out in
// 64 bits: a clip whose sizes, rate or dimensions do not fit the format's
// fields is refused, never written with a wrapped field.
AviWriteResult writeAvi(const std::vector<Picture>& frames, const std::vector<Rgb>& palette,
                        uint32_t microsecondsPerFrame, bool rle);

}  // namespace velmora
