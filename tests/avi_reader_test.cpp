#include "avi_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "avi_builder.h"

using velmora::AviReadResult;
using velmora::readAvi;

namespace {

AviReadResult Read(const avi::Bytes& bytes) {
    return readAvi(bytes.data(), bytes.size());
}

avi::Bytes Load(const std::string& name) {
    std::ifstream in(std::string(VELMORA_RESOURCES_DIR) + "/" + name, std::ios::binary);
    return avi::Bytes(std::istreambuf_iterator<char>(in), {});
}

void ExpectRefused(const avi::Bytes& bytes, const std::string& why) {
    const AviReadResult result = Read(bytes);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(why), std::string::npos) << "error was: " << result.error;
    EXPECT_TRUE(result.clip.frames.empty());
}

uint32_t Brightness(uint32_t argb) {
    return ((argb >> 16) & 0xFF) + ((argb >> 8) & 0xFF) + (argb & 0xFF);
}

std::size_t Find(const avi::Bytes& bytes, const std::string& text) {
    return std::string(bytes.begin(), bytes.end()).find(text);
}

TEST(GeneratedClips, LogoLoopsAt49By49) {
    const AviReadResult logo = Read(Load("A_Logo.avi"));
    ASSERT_TRUE(logo.ok) << logo.error;
    EXPECT_EQ(logo.clip.width, 49);
    EXPECT_EQ(logo.clip.height, 49);
    EXPECT_EQ(logo.clip.frames.size(), 16u);
    EXPECT_EQ(logo.clip.microsecondsPerFrame, 110000);
    // The corners carry the key colour that the control makes transparent.
    EXPECT_EQ(logo.clip.frames[0].front(), 0xFFFF00FFu);
    EXPECT_NE(logo.clip.frames[0], logo.clip.frames[5]);
}

TEST(GeneratedClips, LampLightsUpAndFades) {
    const AviReadResult lamp = Read(Load("Yellow.avi"));
    ASSERT_TRUE(lamp.ok) << lamp.error;
    EXPECT_EQ(lamp.clip.width, 41);
    EXPECT_EQ(lamp.clip.height, 41);
    const auto& frames = lamp.clip.frames;
    ASSERT_EQ(frames.size(), 16u);
    const std::size_t middle = 18 * 41 + 20;
    EXPECT_LT(Brightness(frames[0][middle]), Brightness(frames[4][middle]));
    EXPECT_GT(Brightness(frames[4][middle]), Brightness(frames[15][middle]));
}

TEST(UncompressedFrames, BottomUpPaletteAndTopDownRgb) {
    avi::Format palette;
    // Stored rows bottom-up, each padded to four bytes: bottom row 1 2, top row 3 0.
    const AviReadResult bottomUp = Read(avi::File(palette, {{1, 2, 0, 0, 3, 0, 0, 0}}));
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

TEST(UncompressedFrames, ShortFrameIsRefused) {
    ExpectRefused(avi::File(avi::Format{}, {{1, 2, 0, 0, 3}}), "shorter than its picture");
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
    EXPECT_EQ(result.clip.frames[0], (std::vector<uint32_t>{g, g, k, k,  //
                                                            g, b, r, k,  //
                                                            r, r, r, r}));
    EXPECT_EQ(result.clip.frames[1], (std::vector<uint32_t>{g, g, k, k,  //
                                                            g, b, b, k,  //
                                                            r, r, r, r}));
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
    ExpectRefused(avi::File(f, {{0, 1}}), "bottom-up");
}

TEST(Headers, DamagedHeadersAreRefused) {
    avi::Format f;
    const avi::Bytes frame = {1, 2, 0, 0, 3, 0, 0, 0};

    avi::Format shortPalette = f;
    shortPalette.colorsUsed = 9;  // four present
    ExpectRefused(avi::File(shortPalette, {frame}), "palette is shorter");

    avi::Format wide = f;
    wide.width = 100000;
    ExpectRefused(avi::File(wide, {frame}), "size is out of range");

    avi::Format jpeg = f;
    jpeg.compression = 0x4745504A;
    ExpectRefused(avi::File(jpeg, {frame}), "not supported");

    // A stream header cut short.
    avi::Bytes truncatedStrh(20, 0);
    std::copy_n("vids", 4, truncatedStrh.begin());
    ExpectRefused(
        avi::Riff({avi::List("hdrl", {avi::MainHeader(100000, 1),
                                      avi::List("strl", {avi::Chunk("strh", truncatedStrh),
                                                         avi::StreamFormat(f)})}),
                   avi::Movie({frame})}),
        "stream header is truncated");

    // A stream format cut short.
    ExpectRefused(
        avi::Riff({avi::List("hdrl", {avi::MainHeader(100000, 1),
                                      avi::List("strl", {avi::StreamHeader(),
                                                         avi::Chunk("strf", avi::Bytes(20))})}),
                   avi::Movie({frame})}),
        "stream format is truncated");

    // Sound.
    ExpectRefused(
        avi::Riff({avi::List("hdrl", {avi::MainHeader(100000, 1),
                                      avi::List("strl", {avi::StreamHeader("auds"),
                                                         avi::Chunk("strf", avi::Bytes(20))})}),
                   avi::Movie({frame})}),
        "not video");

    ExpectRefused(avi::Riff({avi::Header(f)}), "no frames");
    ExpectRefused({'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, "not an AVI");
}

TEST(Sizes, ChunkLargerThanItsParentIsRefused) {
    avi::Bytes bytes = avi::File(avi::Format{}, {{1, 2, 0, 0, 3, 0, 0, 0}});
    const std::size_t strf = Find(bytes, "strf");
    bytes[strf + 4] = 0xF0;  // the format now claims more than its list holds
    ExpectRefused(bytes, "larger than what holds it");

    avi::Bytes frameTooLong = avi::File(avi::Format{}, {{1, 2, 0, 0, 3, 0, 0, 0}});
    frameTooLong[Find(frameTooLong, "00db") + 6] = 0x7F;
    ExpectRefused(frameTooLong, "larger than what holds it");
}

TEST(Sizes, RiffSizeAndPaddingAreTolerated) {
    avi::Bytes bytes = avi::File(avi::Format{}, {{1, 2, 0, 0, 3, 0, 0, 0}});
    bytes[4] = bytes[5] = bytes[6] = bytes[7] = 0xFF;  // RIFF size beyond the file
    EXPECT_TRUE(Read(bytes).ok);
    bytes[4] = bytes[5] = bytes[6] = bytes[7] = 0;  // and well short of it
    EXPECT_TRUE(Read(bytes).ok);

    // Zero bytes between the header list and the frame list.
    avi::Bytes padded = bytes;
    padded.insert(padded.begin() + long(Find(bytes, "movi") - 8), {0, 0, 0});
    EXPECT_TRUE(Read(padded).ok) << Read(padded).error;
}

TEST(Sizes, FrameCountsInHeadersAreNotTrusted) {
    avi::Format f;
    const avi::Bytes frame = {1, 2, 0, 0, 3, 0, 0, 0};
    const AviReadResult result =
        Read(avi::Riff({avi::Header(f, 0xFFFFFFFF), avi::Movie({frame, frame, frame})}));
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.clip.frames.size(), 3u);

    // Tiny frames that decode to huge pictures stop at a fixed budget.
    avi::Format huge;
    huge.compression = 1;
    huge.width = 2048;
    huge.height = 2048;
    const std::vector<avi::Bytes> endOnly(5, avi::Bytes{0, 1});
    ExpectRefused(avi::File(huge, endOnly), "too many frames");
    EXPECT_TRUE(Read(avi::File(huge, std::vector<avi::Bytes>(4, avi::Bytes{0, 1}))).ok);
}

TEST(Sizes, EveryTruncationOfARealClipIsRefused) {
    const avi::Bytes logo = Load("A_Logo.avi");
    const std::size_t framesEnd = Find(logo, "idx1");
    ASSERT_NE(framesEnd, std::string::npos);
    for (std::size_t size = 0; size < framesEnd; size += 7) {
        const AviReadResult result = readAvi(logo.data(), size);
        EXPECT_FALSE(result.ok) << "truncated at " << size;
        EXPECT_FALSE(result.error.empty());
    }
}

}  // namespace
