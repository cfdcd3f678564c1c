// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// A silent clip as the animation controls play it: every frame decoded to
// 0xAARRGGBB pixels, top row first.
struct AviClip {
    int width = 0;
    int height = 0;
    int microsecondsPerFrame = 0;
    std::vector<std::vector<uint32_t>> frames;
};

struct AviReadResult {
    bool ok = false;
    std::string error;  // why the file was refused, when !ok
    AviClip clip;
};

// Reads an AVI (RIFF) file of the kind the classic animation control takes:
// one video stream, no sound, frames either uncompressed DIBs (8-bit with a
// palette, 24- or 32-bit; bottom-up or top-down) or RLE8 (bottom-up; each
// frame drawn over the one before). Every size, count and offset is checked
// against the bytes present; anything else is refused with a message.
AviReadResult readAvi(const uint8_t* data, std::size_t size);

}  // namespace velmora
