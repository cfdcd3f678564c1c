// SPDX-License-Identifier: GPL-3.0-or-later
#include "avi_reader.h"

#include <algorithm>
#include <cstring>

namespace velmora {

namespace {

// Limits that keep a lying header from sizing an allocation.
constexpr int64_t kMaxSide = 4096;
constexpr int64_t kMaxTotalPixels = 16 * 1024 * 1024;
constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kCompressionRle8 = 1;

uint32_t u32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t u16(const uint8_t* p) {
    return uint16_t(p[0] | p[1] << 8);
}
bool is(const uint8_t* p, const char* fourcc) {
    return std::memcmp(p, fourcc, 4) == 0;
}

struct Chunk {
    const uint8_t* id;
    const uint8_t* body;
    std::size_t size;
};

// Walks the chunks between `begin` and `end`. A chunk that claims more bytes
// than its parent holds is an error; the pad byte after an odd-sized chunk,
// and any zero padding between chunks, is skipped.
class ChunkWalker {
public:
    ChunkWalker(const uint8_t* begin, const uint8_t* end) : pos_(begin), end_(end) {}

    // False at the end; sets `error` when the next chunk is malformed.
    bool next(Chunk& chunk, std::string& error) {
        while (pos_ < end_ && *pos_ == 0) {
            ++pos_;
        }
        if (end_ - pos_ < 8) {
            return false;
        }
        const std::size_t size = u32(pos_ + 4);
        if (size > std::size_t(end_ - pos_ - 8)) {
            error = "chunk '" + std::string(reinterpret_cast<const char*>(pos_), 4) +
                    "' is larger than what holds it";
            return false;
        }
        chunk = {pos_, pos_ + 8, size};
        pos_ += 8 + size;
        return true;
    }

private:
    const uint8_t* pos_;
    const uint8_t* end_;
};

struct Format {
    int64_t width = 0;
    int64_t height = 0;  // positive; topDown tells the row order
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = 0;
    std::vector<uint32_t> palette;
    uint32_t microsecondsPerFrame = 0;
    bool haveVideo = false;
    int streams = 0;
};

std::string readStreamFormat(const Chunk& strf, Format& format) {
    if (strf.size < 40) {
        return "the stream format is truncated";
    }
    const uint8_t* b = strf.body;
    const uint32_t headerSize = u32(b);
    if (headerSize < 40 || headerSize > strf.size) {
        return "the bitmap header size is wrong";
    }
    const int32_t width = static_cast<int32_t>(u32(b + 4));
    const int32_t height = static_cast<int32_t>(u32(b + 8));
    format.bitCount = u16(b + 14);
    format.compression = u32(b + 16);
    const uint32_t colorsUsed = u32(b + 32);
    if (width <= 0 || width > kMaxSide || height == 0 || height < -kMaxSide || height > kMaxSide) {
        return "the picture size is out of range";
    }
    format.width = width;
    format.height = height < 0 ? -int64_t(height) : height;
    format.topDown = height < 0;

    if (format.compression == kCompressionRle8) {
        if (format.bitCount != 8) {
            return "RLE8 frames must have 8 bits per pixel";
        }
        if (format.topDown) {
            return "RLE8 frames must be stored bottom-up";
        }
    } else if (format.compression == kCompressionRgb) {
        if (format.bitCount != 8 && format.bitCount != 24 && format.bitCount != 32) {
            return "only 8-, 24- and 32-bit uncompressed frames are supported";
        }
    } else {
        return "the frame compression is not supported";
    }

    if (format.bitCount == 8) {
        const std::size_t present = (strf.size - headerSize) / 4;
        if (colorsUsed > 256) {
            return "the palette has more than 256 colours";
        }
        if (colorsUsed > present) {
            return "the palette is shorter than its colour count";
        }
        const std::size_t count =
            colorsUsed != 0 ? colorsUsed : std::min<std::size_t>(present, 256);
        if (count == 0) {
            return "an 8-bit stream has no palette";
        }
        const uint8_t* entry = b + headerSize;
        for (std::size_t i = 0; i < count; ++i, entry += 4) {
            format.palette.push_back(0xFF000000u | uint32_t(entry[2]) << 16 |
                                     uint32_t(entry[1]) << 8 | entry[0]);
        }
    }
    return {};
}

std::string readStreamList(const Chunk& strl, Format& format) {
    ChunkWalker walker(strl.body + 4, strl.body + strl.size);
    Chunk chunk{};
    std::string error;
    bool isVideo = false;
    bool haveHeader = false;
    uint32_t scale = 0;
    uint32_t rate = 0;
    while (walker.next(chunk, error)) {
        if (is(chunk.id, "strh")) {
            if (chunk.size < 32) {
                return "the stream header is truncated";
            }
            haveHeader = true;
            isVideo = is(chunk.body, "vids");
            scale = u32(chunk.body + 20);
            rate = u32(chunk.body + 24);
        } else if (is(chunk.id, "strf")) {
            if (!haveHeader) {
                return "a stream format comes before its header";
            }
            if (!isVideo) {
                return "the clip has a stream that is not video";
            }
            if (format.haveVideo) {
                return "the clip has more than one video stream";
            }
            if (std::string formatError = readStreamFormat(chunk, format); !formatError.empty()) {
                return formatError;
            }
            format.haveVideo = true;
            if (format.microsecondsPerFrame == 0 && rate != 0 && scale != 0) {
                format.microsecondsPerFrame = static_cast<uint32_t>(
                    std::min<uint64_t>(uint64_t(scale) * 1000000 / rate, UINT32_MAX));
            }
        }
    }
    if (!error.empty()) {
        return error;
    }
    if (haveHeader && !isVideo) {
        return "the clip has a stream that is not video";
    }
    return {};
}

std::string readHeaderList(const Chunk& hdrl, Format& format) {
    ChunkWalker walker(hdrl.body + 4, hdrl.body + hdrl.size);
    Chunk chunk{};
    std::string error;
    while (walker.next(chunk, error)) {
        if (is(chunk.id, "avih")) {
            if (chunk.size < 40) {
                return "the main header is truncated";
            }
            format.microsecondsPerFrame = u32(chunk.body);
        } else if (is(chunk.id, "LIST") && chunk.size >= 4 && is(chunk.body, "strl")) {
            ++format.streams;
            if (std::string streamError = readStreamList(chunk, format); !streamError.empty()) {
                return streamError;
            }
        }
    }
    return error;
}

class FrameDecoder {
public:
    explicit FrameDecoder(const Format& format) : format_(format) {
        previous_.assign(std::size_t(format.width * format.height),
                         format.palette.empty() ? 0xFF000000u : format.palette[0]);
    }

    // Decodes one frame chunk into `out`, or returns why it cannot.
    std::string decode(const Chunk& chunk, std::vector<uint32_t>& out) {
        out = previous_;
        const std::string error = format_.compression == kCompressionRle8
                                      ? decodeRle8(chunk.body, chunk.size, out)
                                      : decodeRgb(chunk.body, chunk.size, out);
        if (error.empty()) {
            previous_ = out;
        }
        return error;
    }

private:
    uint32_t paletteColour(uint8_t index) const {
        return index < format_.palette.size() ? format_.palette[index] : 0xFF000000u;
    }

    // Row y of the picture as stored (0 = first stored row) in top-down terms.
    int64_t screenRow(int64_t storedRow) const {
        return format_.topDown ? storedRow : format_.height - 1 - storedRow;
    }

    std::string decodeRgb(const uint8_t* data, std::size_t size, std::vector<uint32_t>& out) {
        const int64_t stride = (format_.width * format_.bitCount + 31) / 32 * 4;
        if (int64_t(size) < stride * format_.height) {
            return "a frame is shorter than its picture";
        }
        const int bytes = format_.bitCount / 8;
        for (int64_t stored = 0; stored < format_.height; ++stored) {
            const uint8_t* row = data + stored * stride;
            uint32_t* target = out.data() + screenRow(stored) * format_.width;
            for (int64_t x = 0; x < format_.width; ++x) {
                const uint8_t* p = row + x * bytes;
                target[x] = bytes == 1
                                ? paletteColour(p[0])
                                : 0xFF000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
            }
        }
        return {};
    }

    std::string decodeRle8(const uint8_t* data, std::size_t size, std::vector<uint32_t>& out) {
        const int64_t width = format_.width;
        const int64_t height = format_.height;
        int64_t x = 0;
        int64_t y = 0;  // stored row, bottom-up
        std::size_t pos = 0;
        auto put = [&](uint8_t index) { out[screenRow(y) * width + x++] = paletteColour(index); };
        while (true) {
            if (size - pos < 2) {
                return {};  // frames may end without the end-of-picture code
            }
            const uint8_t count = data[pos];
            const uint8_t value = data[pos + 1];
            pos += 2;
            if (count > 0) {
                if (y >= height || x + count > width) {
                    return "an RLE8 run passes the edge of the picture";
                }
                for (int i = 0; i < count; ++i) {
                    put(value);
                }
            } else if (value == 0) {  // end of line
                x = 0;
                ++y;
            } else if (value == 1) {  // end of picture
                return {};
            } else if (value == 2) {  // delta
                if (size - pos < 2) {
                    return "an RLE8 frame ends inside a delta";
                }
                x += data[pos];
                y += data[pos + 1];
                pos += 2;
                if (x > width || y > height || (y == height && x > 0)) {
                    return "an RLE8 delta moves outside the picture";
                }
            } else {  // absolute block of `value` pixels, padded to a word
                const std::size_t padded = (value + 1u) & ~1u;
                if (size - pos < padded) {
                    return "an RLE8 frame ends inside a block";
                }
                if (y >= height || x + value > width) {
                    return "an RLE8 block passes the edge of the picture";
                }
                for (int i = 0; i < value; ++i) {
                    put(data[pos + i]);
                }
                pos += padded;
            }
        }
    }

    const Format& format_;
    std::vector<uint32_t> previous_;
};

std::string readFrames(const Chunk& movi, const Format& format, AviClip& clip) {
    FrameDecoder decoder(format);
    const int64_t pixelsPerFrame = format.width * format.height;
    std::string error;
    // Frames may sit directly in 'movi' or in 'rec ' lists inside it.
    std::vector<ChunkWalker> stack{ChunkWalker(movi.body + 4, movi.body + movi.size)};
    while (!stack.empty()) {
        Chunk chunk{};
        if (!stack.back().next(chunk, error)) {
            if (!error.empty()) {
                return error;
            }
            stack.pop_back();
            continue;
        }
        if (is(chunk.id, "LIST") && chunk.size >= 4 && is(chunk.body, "rec ")) {
            if (stack.size() > 8) {
                return "the frame lists are nested too deeply";
            }
            stack.emplace_back(chunk.body + 4, chunk.body + chunk.size);
            continue;
        }
        const bool isFrame = chunk.id[0] == '0' && chunk.id[1] == '0' && chunk.id[2] == 'd' &&
                             (chunk.id[3] == 'b' || chunk.id[3] == 'c');
        if (!isFrame) {
            continue;
        }
        if (int64_t(clip.frames.size() + 1) * pixelsPerFrame > kMaxTotalPixels) {
            return "the clip has too many frames";
        }
        std::vector<uint32_t> frame;
        if (std::string frameError = decoder.decode(chunk, frame); !frameError.empty()) {
            return "frame " + std::to_string(clip.frames.size() + 1) + ": " + frameError;
        }
        clip.frames.push_back(std::move(frame));
    }
    return {};
}

}  // namespace

AviReadResult readAvi(const uint8_t* data, std::size_t size) {
    AviReadResult result;
    auto fail = [&result](std::string message) {
        result.ok = false;
        result.error = std::move(message);
        result.clip = AviClip{};
        return result;
    };
    if (data == nullptr || size < 12 || !is(data, "RIFF") || !is(data + 8, "AVI ")) {
        return fail("not an AVI file");
    }
    // The RIFF size is not trusted: some writers get it wrong, and the chunks
    // are checked against the bytes that are really there.
    ChunkWalker walker(data + 12, data + size);
    Format format;
    Chunk chunk{};
    std::string error;
    bool haveHeader = false;
    bool haveMovie = false;
    while (walker.next(chunk, error)) {
        if (!is(chunk.id, "LIST") || chunk.size < 4) {
            continue;
        }
        if (is(chunk.body, "hdrl")) {
            haveHeader = true;
            if (std::string headerError = readHeaderList(chunk, format); !headerError.empty()) {
                return fail(headerError);
            }
            if (!format.haveVideo) {
                return fail("the clip has no video stream");
            }
            if (format.streams != 1) {
                return fail("the clip must have exactly one stream");
            }
        } else if (is(chunk.body, "movi")) {
            if (!haveHeader) {
                return fail("the frames come before the header");
            }
            haveMovie = true;
            if (std::string framesError = readFrames(chunk, format, result.clip);
                !framesError.empty()) {
                return fail(framesError);
            }
        }
    }
    if (!error.empty()) {
        return fail(error);
    }
    if (!haveHeader || !haveMovie) {
        return fail("the file is truncated or has no frames");
    }
    if (result.clip.frames.empty()) {
        return fail("the clip has no frames");
    }
    result.clip.width = static_cast<int>(format.width);
    result.clip.height = static_cast<int>(format.height);
    const uint32_t micros = format.microsecondsPerFrame == 0 ? 100000 : format.microsecondsPerFrame;
    result.clip.microsecondsPerFrame =
        static_cast<int>(std::clamp<uint32_t>(micros, 10000, 10000000));
    result.ok = true;
    return result;
}

}  // namespace velmora
