// SPDX-License-Identifier: GPL-3.0-or-later
#include "avi_writer.h"

#include <limits>
#include <utility>

namespace velmora {

namespace {

constexpr uint64_t kLargest32 = std::numeric_limits<uint32_t>::max();

class Bytes {
public:
    void u32(uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            data.push_back(uint8_t(v >> (8 * i)));
        }
    }
    void u16(uint16_t v) {
        data.push_back(uint8_t(v));
        data.push_back(uint8_t(v >> 8));
    }
    void id(const char* fourcc) { data.insert(data.end(), fourcc, fourcc + 4); }
    void append(const std::vector<uint8_t>& more) {
        data.insert(data.end(), more.begin(), more.end());
    }
    // Starts a chunk and returns where its size goes.
    size_t open(const char* fourcc) {
        id(fourcc);
        u32(0);
        return data.size() - 4;
    }
    void close(size_t sizeAt) {
        const uint64_t size = data.size() - sizeAt - 4;
        tooLarge = tooLarge || size > kLargest32;
        for (int i = 0; i < 4; ++i) {
            data[sizeAt + i] = uint8_t(size >> (8 * i));
        }
        if (size % 2 != 0) {
            data.push_back(0);
        }
    }
    std::vector<uint8_t> data;
    bool tooLarge = false;  // a chunk's size did not fit its field
};

std::vector<uint8_t> storedRows(const Picture& p) {
    const int stride = (p.width + 3) / 4 * 4;
    std::vector<uint8_t> out;
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < stride; ++x) {
            out.push_back(x < p.width ? p.at(x, y) : 0);
        }
    }
    return out;
}

// RLE8, bottom-up: runs of equal pixels, absolute blocks for stretches of
// three or more that do not repeat, an end of line after each row.
std::vector<uint8_t> rle8(const Picture& p) {
    std::vector<uint8_t> out;
    for (int y = p.height - 1; y >= 0; --y) {
        int x = 0;
        while (x < p.width) {
            int run = 1;
            while (x + run < p.width && run < 255 && p.at(x + run, y) == p.at(x, y)) {
                ++run;
            }
            if (run >= 2) {
                out.push_back(uint8_t(run));
                out.push_back(p.at(x, y));
                x += run;
                continue;
            }
            int literal = 1;
            while (
                x + literal < p.width && literal < 255 &&
                (x + literal + 1 >= p.width || p.at(x + literal, y) != p.at(x + literal + 1, y))) {
                ++literal;
            }
            if (literal < 3) {
                out.push_back(1);
                out.push_back(p.at(x, y));
                ++x;
                continue;
            }
            out.push_back(0);
            out.push_back(uint8_t(literal));
            for (int i = 0; i < literal; ++i) {
                out.push_back(p.at(x + i, y));
            }
            if (literal % 2 != 0) {
                out.push_back(0);
            }
            x += literal;
        }
        out.push_back(0);
        out.push_back(y == 0 ? 1 : 0);  // end of line, or of the picture
    }
    return out;
}

}  // namespace

AviWriteResult writeAvi(const std::vector<Picture>& frames, const std::vector<Rgb>& palette,
                        uint32_t microsecondsPerFrame, bool rle) {
    AviWriteResult result;
    if (frames.empty() || microsecondsPerFrame == 0 || palette.size() > 256) {
        result.error = "a clip needs frames, a frame rate and at most 256 colours";
        return result;
    }
    const Picture& first = frames.front();
    // The stream header holds the frame's edges as signed 16-bit numbers.
    if (first.width <= 0 || first.height <= 0 || first.width > 32767 || first.height > 32767) {
        result.error = "frames must be 1 to 32767 pixels on each side";
        return result;
    }
    const uint64_t imageSize = uint64_t(first.width + 3) / 4 * 4 * uint64_t(first.height);
    const uint64_t bytesPerSecond = imageSize * 1000000 / microsecondsPerFrame;
    if (bytesPerSecond > kLargest32) {
        result.error = "frames too large for their rate: more than 4 GiB a second";
        return result;
    }
    std::vector<std::vector<uint8_t>> encoded;
    for (const Picture& frame : frames) {
        if (frame.width != first.width || frame.height != first.height) {
            result.error = "frames of different sizes";
            return result;
        }
        encoded.push_back(rle ? rle8(frame) : storedRows(frame));
    }

    Bytes b;
    const size_t riff = b.open("RIFF");
    b.id("AVI ");
    const size_t hdrl = b.open("LIST");
    b.id("hdrl");
    const size_t avih = b.open("avih");
    b.u32(microsecondsPerFrame);
    b.u32(uint32_t(bytesPerSecond));
    b.u32(0);
    b.u32(0x10);  // has an index
    b.u32(uint32_t(frames.size()));
    b.u32(0);
    b.u32(1);
    b.u32(uint32_t(imageSize));
    b.u32(uint32_t(first.width));
    b.u32(uint32_t(first.height));
    for (int i = 0; i < 4; ++i) {
        b.u32(0);
    }
    b.close(avih);
    const size_t strl = b.open("LIST");
    b.id("strl");
    const size_t strh = b.open("strh");
    b.id("vids");
    b.id(rle ? "mrle" : "DIB ");
    b.u32(0);
    b.u16(0);
    b.u16(0);
    b.u32(0);
    b.u32(microsecondsPerFrame);  // scale / rate = seconds per frame
    b.u32(1000000);
    b.u32(0);
    b.u32(uint32_t(frames.size()));
    b.u32(uint32_t(imageSize));
    b.u32(0xFFFFFFFF);
    b.u32(0);
    b.u16(0);
    b.u16(0);
    b.u16(uint16_t(first.width));
    b.u16(uint16_t(first.height));
    b.close(strh);
    const size_t strf = b.open("strf");
    b.u32(40);
    b.u32(uint32_t(first.width));
    b.u32(uint32_t(first.height));
    b.u16(1);
    b.u16(8);
    b.u32(rle ? 1 : 0);
    b.u32(uint32_t(imageSize));
    b.u32(0);
    b.u32(0);
    b.u32(uint32_t(palette.size()));
    b.u32(0);
    for (const Rgb& c : palette) {
        b.append({c.b, c.g, c.r, 0});
    }
    b.close(strf);
    b.close(strl);
    b.close(hdrl);

    const size_t movi = b.open("LIST");
    b.id("movi");
    std::vector<uint32_t> offsets;
    for (const auto& frame : encoded) {
        offsets.push_back(uint32_t(b.data.size() - movi - 4));
        const size_t chunk = b.open(rle ? "00dc" : "00db");
        b.append(frame);
        b.close(chunk);
    }
    b.close(movi);
    const size_t idx1 = b.open("idx1");
    for (size_t i = 0; i < encoded.size(); ++i) {
        b.id(rle ? "00dc" : "00db");
        b.u32(0x10);  // key frame
        b.u32(offsets[i]);
        b.u32(uint32_t(encoded[i].size()));
    }
    b.close(idx1);
    b.close(riff);
    if (b.tooLarge) {
        result.error = "more than 4 GiB in a chunk";
        return result;
    }
    result.ok = true;
    result.bytes = std::move(b.data);
    return result;
}

}  // namespace velmora
