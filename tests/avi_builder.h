#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
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
inline void Put16(Bytes& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
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

inline Bytes MainHeader(uint32_t microsecondsPerFrame, uint32_t totalFrames) {
    Bytes b;
    Put32(b, microsecondsPerFrame);
    PutZeros(b, 3);
    Put32(b, totalFrames);
    PutZeros(b, 9);
    return Chunk("avih", b);
}

inline Bytes StreamHeader(const char* type = "vids", uint32_t length = 1) {
    Bytes b;
    PutId(b, type);
    PutId(b, "DIB ");
    PutZeros(b, 3);
    Put32(b, 1);   // scale
    Put32(b, 10);  // rate: ten frames a second
    Put32(b, 0);
    Put32(b, length);
    PutZeros(b, 5);
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
    Put16(b, 1);
    Put16(b, f.bitCount);
    Put32(b, f.compression);
    PutZeros(b, 3);
    Put32(b, f.colorsUsed);
    Put32(b, 0);
    for (uint32_t c : f.palette) {
        b.push_back(uint8_t(c));
        b.push_back(uint8_t(c >> 8));
        b.push_back(uint8_t(c >> 16));
        b.push_back(0);
    }
    return Chunk("strf", b);
}

inline Bytes Header(const Format& f, uint32_t totalFrames = 1) {
    return List("hdrl",
                {MainHeader(100000, totalFrames), List("strl", {StreamHeader(), StreamFormat(f)})});
}

inline Bytes Movie(const std::vector<Bytes>& frames, const char* id = "00db") {
    std::vector<Bytes> chunks;
    for (const Bytes& frame : frames) {
        chunks.push_back(Chunk(id, frame));
    }
    return List("movi", chunks);
}

inline Bytes File(const Format& f, const std::vector<Bytes>& frames) {
    return Riff({Header(f), Movie(frames, f.compression == 1 ? "00dc" : "00db")});
}

}  // namespace avi
