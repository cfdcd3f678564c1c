#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

// Builds small AVI files piece by piece, so a test can break exactly one
// thing in an otherwise sound file.
namespace avi {

using Bytes = std::vector<uint8_t>;

inline void Put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(uint8_t(v >> (8 * i)));
    }
}
inline void PutId(Bytes& b, const char* id) {
    b.insert(b.end(), id, id + 4);
}
inline void PutZeros(Bytes& b, int words) {
    b.insert(b.end(), std::size_t(4 * words), 0);
}

inline Bytes Chunk(const char* id, const Bytes& body) {
    Bytes b;
    PutId(b, id);
    Put32(b, uint32_t(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) {
        b.push_back(0);
    }
    return b;
}

inline Bytes List(const char* type, const std::vector<Bytes>& children) {
    Bytes body;
    PutId(body, type);
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

// Twenty frames a second, so a clip timed by its stream differs from the
// reader's default of ten.
inline Bytes StreamHeader(const char* type = "vids") {
    Bytes b;
    PutId(b, type);
    PutId(b, "DIB ");
    PutZeros(b, 3);
    Put32(b, 1);   // scale
    Put32(b, 20);  // rate
    PutZeros(b, 7);
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
    Put32(b, 40);
    Put32(b, uint32_t(f.width));
    Put32(b, uint32_t(f.height));
    Put32(b, 1u | uint32_t(f.bitCount) << 16);  // one plane
    Put32(b, f.compression);
    PutZeros(b, 3);
    Put32(b, f.colorsUsed);
    Put32(b, 0);
    for (uint32_t c : f.palette) {
        Put32(b, c);  // stored blue, green, red, zero
    }
    return Chunk("strf", b);
}

inline Bytes Stream(const Format& f, const char* type = "vids") {
    return List("strl", {StreamHeader(type), StreamFormat(f)});
}

inline Bytes Header(const std::vector<Bytes>& streams, uint32_t microsecondsPerFrame = 100000,
                    uint32_t totalFrames = 1) {
    Bytes main;
    Put32(main, microsecondsPerFrame);
    PutZeros(main, 3);
    Put32(main, totalFrames);
    PutZeros(main, 9);
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
