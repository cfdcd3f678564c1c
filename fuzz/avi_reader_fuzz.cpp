// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all: the reader must refuse or decode them without reading
// out of bounds, and a decoded clip must be consistent.
#include <cstdlib>

#include "avi_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const velmora::AviReadResult result = velmora::readAvi(data, size);
    if (result.ok) {
        const auto pixels = std::size_t(result.clip.width) * std::size_t(result.clip.height);
        if (result.clip.frames.empty() || result.clip.microsecondsPerFrame <= 0) {
            std::abort();
        }
        for (const auto& frame : result.clip.frames) {
            if (frame.size() != pixels) {
                std::abort();
            }
        }
    } else if (result.error.empty()) {
        std::abort();
    }
    return 0;
}
