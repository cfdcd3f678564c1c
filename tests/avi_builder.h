#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

// Builds small AVI files piece by piece, so a test can break exactly one
// thing in an otherwise sound file.
namespace avi {

using Bytes = std::vector<uint8_t>;

// Little-endian 32-bit words, or four-character codes when given text.
inline void Put(Bytes& b, std::initializer_list<uint32_t> words) {
    for (uint32_t word : words) {
        for (int i = 0; i < 4; ++i) {
            b.push_back(uint8_t(word >> (8 * i)));
        }
    }
}
inline void Put(Bytes& b, const char* id) {
    b.insert(b.end(), id, id + 4);
}

inline Bytes Chunk(const char* id, const Bytes& body) {
    Bytes b;
    Put(b, id);
    Put(b, {uint32_t(body.size())});
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) {
        b.push_back(0);  // the pad byte
    }
    return b;
}

inline Bytes List(const char* type, const std::vector<Bytes>& children) {
    Bytes body;
    Put(body, type);
    for (const Bytes& child : children) {
        body.insert(body.end(), child.begin(), child.end());
    }
    return Chunk("LIST", body);
}

inline Bytes Riff(const std::vector<Bytes>& children) {
    Bytes b = List("AVI ", children);
    std::copy_n("RIFF", 4, b.begin());
    return b;
}

// Twenty frames a second (scale 1, rate 20), so a clip timed by its stream
// differs from the reader's default of ten.
inline Bytes StreamHeader(const char* type = "vids") {
    Bytes b;
    Put(b, type);
    Put(b, "DIB ");
    Put(b, {0, 0, 0, 1, 20, 0, 0, 0, 0, 0, 0, 0});
    return Chunk("strh", b);
}

struct Format {
    int32_t width = 2;
    int32_t height = 2;  // negative: top-down
    uint16_t bitCount = 8;
    uint32_t compression = 0;  // 1: RLE8
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};  // 0xRRGGBB
};

inline Bytes StreamFormat(const Format& f) {
    Bytes b;
    // Size, edges, one plane and the bits per pixel, compression, then the colour count.
    Put(b, {40, uint32_t(f.width), uint32_t(f.height), 1u | uint32_t(f.bitCount) << 16,
            f.compression, 0, 0, 0, f.colorsUsed, 0});
    for (uint32_t c : f.palette) {
        Put(b, {c});  // stored blue, green, red, zero
    }
    return Chunk("strf", b);
}

inline Bytes Stream(const Format& f, const char* type = "vids") {
    return List("strl", {StreamHeader(type), StreamFormat(f)});
}

inline Bytes Header(const std::vector<Bytes>& streams, uint32_t microsecondsPerFrame = 100000,
                    uint32_t totalFrames = 1) {
    Bytes main;
    Put(main, {microsecondsPerFrame, 0, 0, 0, totalFrames, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    std::vector<Bytes> children = {Chunk("avih", main)};
    children.insert(children.end(), streams.begin(), streams.end());
    return List("hdrl", children);
}

inline Bytes Movie(const std::vector<Bytes>& frames, const char* id = "00db") {
    std::vector<Bytes> chunks;
    for (const Bytes& frame : frames) {
        chunks.push_back(Chunk(id, frame));
    }
    return List("movi", chunks);
}

inline Bytes File(const Format& f, const std::vector<Bytes>& frames) {
    return Riff({Header({Stream(f)}), Movie(frames, f.compression == 1 ? "00dc" : "00db")});
}

}  // namespace avi
