#include "avi_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "avi_builder.h"

using velmora::AviReadResult;

namespace {

// Stored rows bottom-up, each padded to four bytes: bottom row 1 2, top row 3 0.
const avi::Bytes kFrame = {1, 2, 0, 0, 3, 0, 0, 0};

AviReadResult Read(const avi::Bytes& bytes) {
    return velmora::readAvi(bytes.data(), bytes.size());
}

void ExpectRefused(const avi::Bytes& bytes, const std::string& why) {
    const AviReadResult result = Read(bytes);
    EXPECT_NE(result.error.find(why), std::string::npos) << why << ", not: " << result.error;
    EXPECT_TRUE(result.clip.frames.empty()) << why;
}

// A file whose header list holds `streams`, then one frame.
avi::Bytes WithStreams(const std::vector<avi::Bytes>& streams) {
    return avi::Riff({avi::Header(streams), avi::Movie({kFrame})});
}

std::size_t Find(const avi::Bytes& bytes, const std::string& text) {
    return std::string(bytes.begin(), bytes.end()).find(text);
}

TEST(UncompressedFrames, BottomUpPaletteAndTopDownRgb) {
    const AviReadResult bottomUp = Read(avi::File(avi::Format{}, {kFrame}));
    ASSERT_TRUE(bottomUp.ok) << bottomUp.error;
    EXPECT_EQ(bottomUp.clip.frames[0],
              (std::vector<uint32_t>{0xFF0000FF, 0xFF000000, 0xFFFF0000, 0xFF00FF00}));

    avi::Format rgb;
    rgb.bitCount = 24;
    rgb.height = -2;
    rgb.palette.clear();
    // Top row first: (B, G, R) triples, rows padded to eight bytes.
    const AviReadResult topDown =
        Read(avi::File(rgb, {{1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}}));
    ASSERT_TRUE(topDown.ok) << topDown.error;
    EXPECT_EQ(topDown.clip.frames[0],
              (std::vector<uint32_t>{0xFF030201, 0xFF060504, 0xFF090807, 0xFF0C0B0A}));
}

TEST(Rle8Frames, RunsBlocksDeltasAndDrawingOverThePreviousFrame) {
    avi::Format f;
    f.compression = 1;
    f.width = 4;
    f.height = 3;
    const avi::Bytes first = {4, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 0, 2, 2, 0, 1};
    // Delta two right and one up, then one pixel; the rest stays as it was.
    const avi::Bytes second = {0, 2, 2, 1, 1, 3, 0, 1};
    const AviReadResult result = Read(avi::File(f, {first, second}));
    ASSERT_TRUE(result.ok) << result.error;
    const uint32_t k = 0xFF000000, r = 0xFFFF0000, g = 0xFF00FF00, b = 0xFF0000FF;
    // Three rows of four, top first.
    EXPECT_EQ(result.clip.frames[0], (std::vector<uint32_t>{g, g, k, k, g, b, r, k, r, r, r, r}));
    EXPECT_EQ(result.clip.frames[1], (std::vector<uint32_t>{g, g, k, k, g, b, b, k, r, r, r, r}));
}

TEST(Rle8Frames, DamagedDataIsRefused) {
    avi::Format f;
    f.compression = 1;
    auto refused = [&](const avi::Bytes& frame, const std::string& why) {
        ExpectRefused(avi::File(f, {frame}), why);
    };
    refused({2, 1, 0, 0, 2, 1, 0, 0, 2, 1}, "passes the edge");  // three rows in two
    refused({3, 1}, "passes the edge");                          // run wider than the row
    refused({0, 3, 1, 2, 3, 0}, "passes the edge");              // block wider than the row
    refused({0, 4, 1, 2}, "ends inside a block");
    refused({0, 2, 5, 0}, "delta moves outside");
    refused({0, 2, 0, 3}, "delta moves outside");
    refused({0, 2, 1, 2}, "delta moves outside");  // past the last row
    refused({1, 1, 0, 2}, "ends inside a delta");
    refused({0, 2, 1}, "ends inside a delta");

    f.height = -2;
    refused({0, 1}, "bottom-up");
}

TEST(Headers, DamagedHeadersAreRefused) {
    const avi::Format f;
    avi::Format shortPalette;
    shortPalette.colorsUsed = 9;  // four present
    ExpectRefused(avi::File(shortPalette, {kFrame}), "palette is shorter");
    avi::Format wide;
    wide.width = 100000;
    ExpectRefused(avi::File(wide, {kFrame}), "size is out of range");
    avi::Format jpeg;
    jpeg.compression = 0x4745504A;
    ExpectRefused(avi::File(jpeg, {kFrame}), "not supported");

    avi::Bytes shortStrh(20, 0);
    std::copy_n("vids", 4, shortStrh.begin());
    const avi::Bytes strhCut =
        avi::List("strl", {avi::Chunk("strh", shortStrh), avi::StreamFormat(f)});
    ExpectRefused(WithStreams({strhCut}), "stream header is truncated");
    const avi::Bytes strfCut =
        avi::List("strl", {avi::StreamHeader(), avi::Chunk("strf", avi::Bytes(20))});
    ExpectRefused(WithStreams({strfCut}), "stream format is truncated");
    ExpectRefused(WithStreams({avi::Stream(f, "auds")}), "not video");
    ExpectRefused(WithStreams({avi::Stream(f), avi::List("strl", {})}), "exactly one stream");
    ExpectRefused(avi::Riff({avi::Movie({kFrame}), avi::Header({avi::Stream(f)})}),
                  "before the header");
    ExpectRefused(avi::Riff({avi::Header({avi::Stream(f)}), avi::Movie({})}), "no frames");
    ExpectRefused({'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, "not an AVI");
}

TEST(Headers, FrameTimeIsKeptInRangeAndFrameCountIsNotTrusted) {
    // The main header's time, else the stream's rate; the main header's count is not believed.
    const struct {
        uint32_t inHeader;
        int read;
    } times[] = {{100000, 100000}, {0, 50000}, {1, 10000}, {99999999, 10000000}};
    for (const auto& time : times) {
        const AviReadResult read =
            Read(avi::Riff({avi::Header({avi::Stream(avi::Format{})}, time.inHeader, 0xFFFFFFFF),
                            avi::Movie({kFrame, kFrame, kFrame})}));
        ASSERT_TRUE(read.ok) << read.error;
        EXPECT_EQ(read.clip.frames.size(), 3u);
        EXPECT_EQ(read.clip.microsecondsPerFrame, time.read) << time.inHeader;
    }
}

TEST(Sizes, ChunksLargerThanWhatHoldsThemAreRefusedAndFramesStopAtABudget) {
    avi::Bytes bytes = avi::File(avi::Format{}, {kFrame});
    bytes[Find(bytes, "strf") + 4] = 0xF0;
    ExpectRefused(bytes, "larger than what holds it");
    avi::Bytes frameTooLong = avi::File(avi::Format{}, {kFrame});
    frameTooLong[Find(frameTooLong, "00db") + 6] = 0x7F;
    ExpectRefused(frameTooLong, "larger than what holds it");
    ExpectRefused(avi::File(avi::Format{}, {{1, 2, 0, 0, 3}}), "frame 1: a frame is shorter");

    // Tiny frames that decode to huge pictures stop at a fixed budget.
    avi::Format huge;
    huge.compression = 1;
    huge.width = 2048;
    huge.height = 2048;
    EXPECT_TRUE(Read(avi::File(huge, std::vector<avi::Bytes>(4, avi::Bytes{0, 1}))).ok);
    ExpectRefused(avi::File(huge, std::vector<avi::Bytes>(5, avi::Bytes{0, 1})), "too many frames");
}

TEST(Sizes, RiffSizeAndPaddingAreTolerated) {
    avi::Bytes bytes = avi::File(avi::Format{}, {kFrame});
    bytes[4] = bytes[5] = bytes[6] = bytes[7] = 0xFF;  // RIFF size beyond the file
    EXPECT_TRUE(Read(bytes).ok);
    bytes[4] = bytes[5] = bytes[6] = bytes[7] = 0;  // and well short of it
    EXPECT_TRUE(Read(bytes).ok);
    // Zero bytes between the header list and the frame list.
    bytes.insert(bytes.begin() + long(Find(bytes, "movi") - 8), {0, 0, 0});
    EXPECT_TRUE(Read(bytes).ok) << Read(bytes).error;
}

TEST(Sizes, EveryTruncationOfARealClipIsRefused) {
    std::ifstream in(std::string(VELMORA_RESOURCES_DIR) + "/A_Logo.avi", std::ios::binary);
    const avi::Bytes logo{std::istreambuf_iterator<char>(in), {}};
    const std::size_t framesEnd = Find(logo, "idx1");
    ASSERT_NE(framesEnd, std::string::npos);
    for (std::size_t size = 0; size < framesEnd; size += 7) {
        const AviReadResult result = velmora::readAvi(logo.data(), size);
        EXPECT_FALSE(result.ok) << "truncated at " << size;
        EXPECT_FALSE(result.error.empty());
    }
}

}  // namespace
