// SPDX-License-Identifier: GPL-3.0-or-later
#include "avi_reader.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "avi_writer.h"

using velmora::AviReadResult;

namespace {

// AVI files built piece by piece, to break exactly one thing in a sound file.
using Bytes = std::vector<uint8_t>;

// Little-endian 32-bit words after four-character codes.
Bytes Words(const std::string& ids, std::initializer_list<uint32_t> words) {
    Bytes b(ids.begin(), ids.end());
    for (uint32_t word : words) {
        for (int i = 0; i < 4; ++i) {
            b.push_back(uint8_t(word >> (8 * i)));
        }
    }
    return b;
}

Bytes Chunk(const char* id, const Bytes& body) {
    Bytes b = Words(id, {uint32_t(body.size())});
    b.insert(b.end(), body.begin(), body.end());
    b.resize(b.size() + body.size() % 2);  // the pad byte
    return b;
}

Bytes List(const char* type, const std::vector<Bytes>& children, const char* id = "LIST") {
    Bytes body(type, type + 4);
    for (const Bytes& child : children) {
        body.insert(body.end(), child.begin(), child.end());
    }
    return Chunk(id, body);
}

// Twenty frames a second, unlike the reader's default of ten; a negative height
// is top-down, compression 1 RLE8; the palette black, red, green and blue.
Bytes Stream(int32_t width = 2, int32_t height = 2, uint32_t bits = 8, uint32_t compression = 0,
             uint32_t colours = 0) {
    return List("strl", {Chunk("strh", Words("vidsDIB ", {0, 0, 0, 1, 20, 0, 0, 0, 0, 0, 0, 0})),
                         Chunk("strf", Words("", {40, uint32_t(width), uint32_t(height),
                                                  1 | bits << 16, compression, 0, 0, 0, colours, 0,
                                                  0x000000, 0xFF0000, 0x00FF00, 0x0000FF}))});
}

// The main header's frame time and an absurd frame count, the streams, the frames.
Bytes Clip(const std::vector<Bytes>& streams, const std::vector<Bytes>& frames,
           uint32_t microseconds = 100000) {
    std::vector<Bytes> header = {
        Chunk("avih", Words("", {microseconds, 0, 0, 0, 0xFFFFFFFF, 0, 0, 0, 0, 0}))};
    header.insert(header.end(), streams.begin(), streams.end());
    std::vector<Bytes> chunks;
    for (const Bytes& frame : frames) {
        chunks.push_back(Chunk("00db", frame));
    }
    return List("AVI ", {List("hdrl", header), List("movi", chunks)}, "RIFF");
}

Bytes Rle8(const std::vector<Bytes>& frames, int32_t width = 2, int32_t height = 2) {
    return Clip({Stream(width, height, 8, 1)}, frames);
}

// Stored rows bottom-up, each padded to four bytes: bottom row 1 2, top row 3 0.
const Bytes kFrame = {1, 2, 0, 0, 3, 0, 0, 0};

AviReadResult Read(const Bytes& bytes) {
    return velmora::readAvi(bytes.data(), bytes.size());
}

TEST(readAvi, DecodesPaletteRgbAndRle8Frames) {
    const uint32_t k = 0xFF000000, r = 0xFFFF0000, g = 0xFF00FF00, b = 0xFF0000FF;
    // Top row first: (B, G, R) triples, rows padded to eight bytes.
    const AviReadResult topDown =
        Read(Clip({Stream(2, -2, 24)}, {{1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}}));
    ASSERT_TRUE(topDown.ok) << topDown.error;
    EXPECT_EQ(topDown.clip.frames[0],
              (std::vector<uint32_t>{0xFF030201, 0xFF060504, 0xFF090807, 0xFF0C0B0A}));

    // Runs, a padded block and a delta to the end of a row; then a delta two
    // right and one up and one pixel drawn over the previous frame.
    const Bytes first = {4, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 0, 2, 2, 0, 2, 2, 0, 0, 1};
    const AviReadResult rle = Read(Rle8({first, {0, 2, 2, 1, 1, 3, 0, 1}}, 4, 3));
    ASSERT_TRUE(rle.ok) << rle.error;
    EXPECT_EQ(rle.clip.frames,
              (std::vector<std::vector<uint32_t>>{{g, g, k, k, g, b, r, k, r, r, r, r},
                                                  {g, g, k, k, g, b, b, k, r, r, r, r}}));
}

TEST(readAvi, RefusesDamagedFilesSayingWhy) {
    // A sound file with one byte changed, `at` bytes after the first `id`.
    auto patched = [](const char* id, std::size_t at, uint8_t value) {
        Bytes bytes = Clip({Stream()}, {kFrame});
        bytes[std::string(bytes.begin(), bytes.end()).find(id) + at] = value;
        return bytes;
    };
    const Bytes huge = {0, 1};  // all of a 2048 x 2048 picture, a quarter of the budget
    ASSERT_TRUE(Read(Rle8({huge, huge, huge, huge}, 2048, 2048)).ok);

    const std::pair<Bytes, std::string> cases[] = {
        {Rle8({{2, 1, 0, 0, 2, 1, 0, 0, 2, 1}}), "run passes the edge"},  // 3 rows in 2
        {Rle8({{3, 1}}), "run passes the edge"},
        {Rle8({{0, 3, 1, 2, 3, 0}}), "block passes the edge"},
        {Rle8({{0, 4, 1, 2}}), "ends inside a block"},
        {Rle8({{0, 2, 5, 0}}), "delta moves outside"},
        {Rle8({{0, 2, 0, 3}}), "delta moves outside"},
        {Rle8({{0, 2, 1, 2}}), "delta moves outside"},  // past the last row
        {Rle8({{0, 2, 1}}), "ends inside a delta"},
        {Rle8({huge, huge, huge, huge, huge}, 2048, 2048), "too many frames"},
        {Rle8({{0, 1}}, 2, -2), "bottom-up"},
        {Clip({Stream(2, 2, 8, 0, 9)}, {kFrame}), "palette is shorter"},  // four present
        {Clip({Stream(100000)}, {kFrame}), "size is out of range"},
        {Clip({Stream(2, 2, 8, 0x4745504A)}, {kFrame}), "not supported"},
        {Clip({Stream(), List("strl", {})}, {kFrame}), "exactly one stream"},
        {Clip({Stream()}, {}), "no frames"},
        {Clip({Stream()}, {{1, 2, 0, 0, 3}}), "frame 1: a frame is shorter"},
        {patched("strh", 4, 20), "stream header is truncated"},
        {patched("strf", 4, 20), "stream format is truncated"},
        {patched("vids", 0, 'a'), "not video"},
        {patched("hdrl", 0, 'x'), "before the header"},
        {patched("AVI ", 0, 'W'), "not an AVI"},
        {patched("00db", 6, 0x7F), "larger than what holds it"},
    };
    for (const auto& [bytes, why] : cases) {
        const AviReadResult result = Read(bytes);
        EXPECT_NE(result.error.find(why), std::string::npos) << why << ", not: " << result.error;
        EXPECT_TRUE(!result.ok && result.clip.frames.empty()) << why;
    }
}

// The clip generator's writer, on 613 x 8 frames: a run longer than RLE8 holds
// in one piece, a stretch longer than one absolute block, a row's odd end.
// Compressed they read back as uncompressed, which resources/ pins down.
TEST(writeAvi, WritesWhatReadsBackAndRefusesWhatTheFormatCannotHold) {
    using velmora::Picture;
    std::vector<Picture> frames(3, Picture(613, 8, 0));
    for (int f = 0; f < 3; ++f) {
        for (int i = 300 * 8; i < 613 * 8; ++i) {
            frames[f].set(i / 8, i % 8, uint8_t((i / 8 * 7 + i % 8 + f) % 5));
        }
    }
    const std::vector<velmora::Rgb> palette = {
        {0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 8, 7}};
    const AviReadResult rle = Read(velmora::writeAvi(frames, palette, 110000, true).bytes);
    const AviReadResult raw = Read(velmora::writeAvi(frames, palette, 110000, false).bytes);
    ASSERT_TRUE(rle.ok && raw.ok) << rle.error << raw.error;
    EXPECT_TRUE(rle.clip.frames == raw.clip.frames);
    EXPECT_EQ(rle.clip.frames[2].back(), 0xFF0000FF);  // (612 * 7 + 7 + 2) % 5: blue

    // 4,928 bytes stored every 2 microseconds still fits 32 bits a second, every
    // 1 does not; the stream header keeps the frame's edges in signed 16 bits.
    auto writes = [](std::vector<Picture> frames, uint32_t microseconds, std::size_t colours) {
        const auto written =
            velmora::writeAvi(frames, std::vector<velmora::Rgb>(colours), microseconds, true);
        EXPECT_EQ(written.ok, written.error.empty() && !written.bytes.empty());
        return written.ok;
    };
    const Picture big = frames[0];
    EXPECT_EQ(
        (std::vector<bool>{
            writes({big}, 2, 5), writes({big}, 1, 5), writes({Picture(32767, 1, 0)}, 1000000, 5),
            writes({Picture(32768, 1, 0)}, 1000000, 5), writes({Picture(1, 32768, 0)}, 1000000, 5),
            writes({}, 1000, 5), writes({big}, 0, 5), writes({big, Picture(612, 8, 0)}, 1000, 5),
            writes({big, Picture(613, 7, 0)}, 1000, 5), writes({big}, 1000, 256),
            writes({big}, 1000, 257)}),
        (std::vector<bool>{true, false, true, false, false, false, false, false, false, true,
                           false}));
}

}  // namespace
