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

std::size_t Find(const avi::Bytes& bytes, const std::string& text) {
    return std::string(bytes.begin(), bytes.end()).find(text);
}

avi::Format Rle(int width = 2, int height = 2) {
    avi::Format f;
    f.compression = 1;
    f.width = width;
    f.height = height;
    return f;
}

TEST(readAvi, DecodesPaletteRgbAndRle8Frames) {
    const uint32_t k = 0xFF000000, r = 0xFFFF0000, g = 0xFF00FF00, b = 0xFF0000FF;
    const AviReadResult bottomUp = Read(avi::File(avi::Format{}, {kFrame}));
    ASSERT_TRUE(bottomUp.ok) << bottomUp.error;
    EXPECT_EQ(bottomUp.clip.frames[0], (std::vector<uint32_t>{b, k, r, g}));

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

    // Runs, a padded block, then a delta two right and one up and one pixel
    // drawn over the previous frame.
    const avi::Bytes first = {4, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 0, 2, 2, 0, 1};
    const AviReadResult rle = Read(avi::File(Rle(4, 3), {first, {0, 2, 2, 1, 1, 3, 0, 1}}));
    ASSERT_TRUE(rle.ok) << rle.error;
    EXPECT_EQ(rle.clip.frames[0], (std::vector<uint32_t>{g, g, k, k, g, b, r, k, r, r, r, r}));
    EXPECT_EQ(rle.clip.frames[1], (std::vector<uint32_t>{g, g, k, k, g, b, b, k, r, r, r, r}));
}

TEST(readAvi, RefusesDamagedFilesSayingWhy) {
    avi::Format shortPalette;
    shortPalette.colorsUsed = 9;  // four present
    avi::Format wide;
    wide.width = 100000;
    avi::Format jpeg;
    jpeg.compression = 0x4745504A;
    avi::Format topDownRle = Rle();
    topDownRle.height = -2;
    avi::Bytes shortStrh(20, 0);
    std::copy_n("vids", 4, shortStrh.begin());
    const avi::Format f;
    auto withStreams = [](const std::vector<avi::Bytes>& streams) {
        return avi::Riff({avi::Header(streams), avi::Movie({kFrame})});
    };
    avi::Bytes strfTooLong = avi::File(f, {kFrame});
    strfTooLong[Find(strfTooLong, "strf") + 4] = 0xF0;
    avi::Bytes frameTooLong = avi::File(f, {kFrame});
    frameTooLong[Find(frameTooLong, "00db") + 6] = 0x7F;
    const std::vector<avi::Bytes> fourHuge(4, avi::Bytes{0, 1});
    const std::vector<avi::Bytes> fiveHuge(5, avi::Bytes{0, 1});
    ASSERT_TRUE(Read(avi::File(Rle(2048, 2048), fourHuge)).ok);

    const std::pair<avi::Bytes, std::string> cases[] = {
        {avi::File(Rle(), {{2, 1, 0, 0, 2, 1, 0, 0, 2, 1}}), "run passes the edge"},  // 3 rows in 2
        {avi::File(Rle(), {{3, 1}}), "run passes the edge"},
        {avi::File(Rle(), {{0, 3, 1, 2, 3, 0}}), "block passes the edge"},
        {avi::File(Rle(), {{0, 4, 1, 2}}), "ends inside a block"},
        {avi::File(Rle(), {{0, 2, 5, 0}}), "delta moves outside"},
        {avi::File(Rle(), {{0, 2, 0, 3}}), "delta moves outside"},
        {avi::File(Rle(), {{0, 2, 1, 2}}), "delta moves outside"},  // past the last row
        {avi::File(Rle(), {{1, 1, 0, 2}}), "ends inside a delta"},
        {avi::File(Rle(), {{0, 2, 1}}), "ends inside a delta"},
        {avi::File(topDownRle, {{0, 1}}), "bottom-up"},
        {avi::File(shortPalette, {kFrame}), "palette is shorter"},
        {avi::File(wide, {kFrame}), "size is out of range"},
        {avi::File(jpeg, {kFrame}), "not supported"},
        {withStreams({avi::List("strl", {avi::Chunk("strh", shortStrh), avi::StreamFormat(f)})}),
         "stream header is truncated"},
        {withStreams(
             {avi::List("strl", {avi::StreamHeader(), avi::Chunk("strf", avi::Bytes(20))})}),
         "stream format is truncated"},
        {withStreams({avi::Stream(f, "auds")}), "not video"},
        {withStreams({avi::Stream(f), avi::List("strl", {})}), "exactly one stream"},
        {avi::Riff({avi::Movie({kFrame}), avi::Header({avi::Stream(f)})}), "before the header"},
        {avi::Riff({avi::Header({avi::Stream(f)}), avi::Movie({})}), "no frames"},
        {{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, "not an AVI"},
        {strfTooLong, "larger than what holds it"},
        {frameTooLong, "larger than what holds it"},
        {avi::File(f, {{1, 2, 0, 0, 3}}), "frame 1: a frame is shorter"},
        // Tiny frames that decode to huge pictures stop at a fixed budget.
        {avi::File(Rle(2048, 2048), fiveHuge), "too many frames"},
    };
    for (const auto& [bytes, why] : cases) {
        const AviReadResult result = Read(bytes);
        EXPECT_NE(result.error.find(why), std::string::npos) << why << ", not: " << result.error;
        EXPECT_TRUE(!result.ok && result.clip.frames.empty()) << why;
    }
}

TEST(readAvi, KeepsTheFrameTimeInRangeAndCountsTheFramesItself) {
    // The main header's time, else the stream's rate; the main header's count is not believed.
    for (auto [inHeader, read] :
         {std::pair<uint32_t, int>{100000, 100000}, {0, 50000}, {1, 10000}, {99999999, 10000000}}) {
        const AviReadResult result =
            Read(avi::Riff({avi::Header({avi::Stream(avi::Format{})}, inHeader, 0xFFFFFFFF),
                            avi::Movie({kFrame, kFrame, kFrame})}));
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_EQ(result.clip.frames.size(), 3u);
        EXPECT_EQ(result.clip.microsecondsPerFrame, read) << inHeader;
    }
}

TEST(readAvi, ToleratesAWrongRiffSizeAndPaddingButNoTruncation) {
    avi::Bytes bytes = avi::File(avi::Format{}, {kFrame});
    bytes[4] = bytes[5] = bytes[6] = bytes[7] = 0xFF;  // RIFF size beyond the file
    EXPECT_TRUE(Read(bytes).ok);
    bytes[4] = bytes[5] = bytes[6] = bytes[7] = 0;  // and well short of it
    // Zero bytes between the header list and the frame list.
    bytes.insert(bytes.begin() + long(Find(bytes, "movi") - 8), {0, 0, 0});
    EXPECT_TRUE(Read(bytes).ok) << Read(bytes).error;

    std::ifstream in(std::string(VELMORA_RESOURCES_DIR) + "/A_Logo.avi", std::ios::binary);
    const avi::Bytes logo{std::istreambuf_iterator<char>(in), {}};
    const std::size_t framesEnd = Find(logo, "idx1");
    ASSERT_NE(framesEnd, std::string::npos);
    for (std::size_t size = 0; size < framesEnd; size += 7) {
        const AviReadResult result = velmora::readAvi(logo.data(), size);
        EXPECT_TRUE(!result.ok && !result.error.empty()) << "truncated at " << size;
    }
}

}  // namespace
