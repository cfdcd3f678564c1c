#include "avi_writer.h"

#include <gtest/gtest.h>

#include "avi_reader.h"

using velmora::Picture;
using velmora::Rgb;
using velmora::writeAvi;

namespace {

const std::vector<Rgb> kPalette = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 8, 7}};

// 613 x 8, an odd width, 4,928 bytes a frame stored: a run longer than RLE8
// can hold in one piece, then a stretch longer than one absolute block, then
// a row's odd end.
Picture Frame(int shift) {
    Picture p(613, 8, 0);
    for (int y = 0; y < p.height; ++y) {
        for (int x = 300; x < p.width; ++x) {
            p.set(x, y, uint8_t((x * 7 + y + shift) % 5));
        }
    }
    return p;
}

TEST(AviWriter, WhatItWritesReadsBackPixelForPixel) {
    const std::vector<Picture> frames = {Frame(0), Frame(1), Frame(2)};
    for (bool rle : {true, false}) {
        const velmora::AviWriteResult written = writeAvi(frames, kPalette, 110000, rle);
        ASSERT_TRUE(written.ok) << written.error;
        const velmora::AviReadResult read =
            velmora::readAvi(written.bytes.data(), written.bytes.size());
        ASSERT_TRUE(read.ok) << read.error;
        EXPECT_TRUE(read.clip.width == 613 && read.clip.height == 8);
        EXPECT_EQ(read.clip.microsecondsPerFrame, 110000);
        ASSERT_EQ(read.clip.frames.size(), frames.size());
        for (std::size_t f = 0; f < frames.size(); ++f) {
            for (std::size_t i = 0; i < frames[f].pixels.size(); ++i) {
                const Rgb c = kPalette[frames[f].pixels[i]];
                ASSERT_EQ(read.clip.frames[f][i],
                          0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b)
                    << "rle " << rle << ", frame " << f << ", pixel " << i;
            }
        }
        // The main header's data rate: 4,928 bytes a frame, 1 / 0.11 s, 44,800 (0xAF00).
        const std::vector<uint8_t> rate(&written.bytes[36], &written.bytes[40]);
        EXPECT_EQ(rate, (std::vector<uint8_t>{0x00, 0xAF, 0x00, 0x00}));
    }
}

TEST(AviWriter, RefusesWhatTheFormatCannotHold) {
    const std::vector<Picture> big = {Frame(0)};
    // 4,928 bytes every 2 microseconds still fits 32 bits a second; every 1 does not.
    EXPECT_TRUE(writeAvi(big, kPalette, 2, false).ok);
    const velmora::AviWriteResult tooFast = writeAvi(big, kPalette, 1, false);
    EXPECT_TRUE(!tooFast.ok && tooFast.bytes.empty() && !tooFast.error.empty());

    // The stream header keeps the frame's edges in signed 16 bits.
    EXPECT_TRUE(writeAvi({Picture(32767, 1, 0)}, kPalette, 1000000, true).ok);
    EXPECT_FALSE(writeAvi({Picture(32768, 1, 0)}, kPalette, 1000000, true).ok);
    EXPECT_FALSE(writeAvi({Picture(1, 32768, 0)}, kPalette, 1000000, true).ok);

    EXPECT_FALSE(writeAvi({}, kPalette, 1000, true).ok);
    EXPECT_FALSE(writeAvi(big, kPalette, 0, true).ok);
    EXPECT_FALSE(writeAvi({Frame(0), Picture(612, 8, 0)}, kPalette, 1000, true).ok);
    EXPECT_FALSE(writeAvi({Frame(0), Picture(613, 7, 0)}, kPalette, 1000, true).ok);
    EXPECT_TRUE(writeAvi(big, std::vector<Rgb>(256), 1000, true).ok);
    EXPECT_FALSE(writeAvi(big, std::vector<Rgb>(257), 1000, true).ok);
}

}  // namespace
