// Draws the game's two animation clips and writes them as AVI files:
//   A_Logo.avi  49 x 49, RLE8: a mark circling a cell of a small board, then
//               a scoring line across its middle row; it loops.
//   Yellow.avi  41 x 41, uncompressed 8-bit: a signal lamp that lights up and
//               fades, played once for each chat line.
// Usage: make_clips OUTPUT_FOLDER
// The output is the same byte for byte on every run.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Rgb {
    uint8_t r, g, b;
};

struct Picture {
    int width;
    int height;
    std::vector<uint8_t> pixels;  // palette indices, top row first

    Picture(int w, int h, uint8_t fill) : width(w), height(h), pixels(size_t(w) * h, fill) {}
    void set(int x, int y, uint8_t index) {
        if (x >= 0 && y >= 0 && x < width && y < height) {
            pixels[size_t(y) * width + x] = index;
        }
    }
    uint8_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

void fillDisc(Picture& p, double cx, double cy, double radius, uint8_t index) {
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            if (dx * dx + dy * dy <= radius * radius) {
                p.set(x, y, index);
            }
        }
    }
}

// The outline of a circle from angle 0 (3 o'clock) counter-clockwise to `end`.
void arc(Picture& p, double cx, double cy, double radius, double end, uint8_t index) {
    const int steps = 200;
    for (int i = 0; i <= steps; ++i) {
        const double a = end * i / steps;
        p.set(int(std::floor(cx + radius * std::cos(a))),
              int(std::floor(cy - radius * std::sin(a))), index);
    }
}

void rect(Picture& p, int x0, int y0, int x1, int y1, uint8_t index) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            p.set(x, y, index);
        }
    }
}

// --- the AVI writer -------------------------------------------------------

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
        const uint32_t size = uint32_t(data.size() - sizeAt - 4);
        for (int i = 0; i < 4; ++i) {
            data[sizeAt + i] = uint8_t(size >> (8 * i));
        }
        if (size % 2 != 0) {
            data.push_back(0);
        }
    }
    std::vector<uint8_t> data;
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

std::vector<uint8_t> writeAvi(const std::vector<Picture>& frames, const std::vector<Rgb>& palette,
                              uint32_t microsecondsPerFrame, bool rle) {
    const Picture& first = frames.front();
    std::vector<std::vector<uint8_t>> encoded;
    for (const Picture& frame : frames) {
        encoded.push_back(rle ? rle8(frame) : storedRows(frame));
    }
    const uint32_t imageSize = uint32_t((first.width + 3) / 4 * 4 * first.height);

    Bytes b;
    const size_t riff = b.open("RIFF");
    b.id("AVI ");
    const size_t hdrl = b.open("LIST");
    b.id("hdrl");
    const size_t avih = b.open("avih");
    b.u32(microsecondsPerFrame);
    b.u32(imageSize * 1000000 / microsecondsPerFrame);
    b.u32(0);
    b.u32(0x10);  // has an index
    b.u32(uint32_t(frames.size()));
    b.u32(0);
    b.u32(1);
    b.u32(imageSize);
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
    b.u32(imageSize);
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
    b.u32(imageSize);
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
    return b.data;
}

// --- the pictures ---------------------------------------------------------

enum LogoColour : uint8_t { kKey, kFrame, kBoard, kGrid, kRed, kBlue, kBlack, kWhite, kShade };

std::vector<Picture> logoFrames() {
    std::vector<Picture> frames;
    const int size = 49;
    const double cell = 13;
    const double left = 5;  // the small board covers 5..44
    auto board = [&] {
        Picture p(size, size, kKey);  // the corner colour shows the control's background
        rect(p, 2, 2, 46, 46, kShade);
        rect(p, 3, 3, 45, 45, kFrame);
        rect(p, 5, 5, 43, 43, kBoard);
        for (int i = 1; i < 3; ++i) {
            const int line = int(left + i * cell);
            rect(p, line, 5, line, 43, kGrid);
            rect(p, 5, line, 43, line, kGrid);
        }
        return p;
    };
    const double centre = left + 1.5 * cell;
    const double radius = 4.2;
    // A red mark circles the middle cell...
    for (int i = 0; i < 8; ++i) {
        Picture p = board();
        arc(p, centre, centre, radius, 0.01 + i * 0.8, kRed);
        frames.push_back(p);
    }
    // ...its neighbours are filled, and a line grows across the row.
    for (int i = 0; i < 5; ++i) {
        Picture p = board();
        for (int c = 0; c < 3; ++c) {
            arc(p, left + (c + 0.5) * cell, centre, radius, 2 * kPi, c == 1 ? kRed : kBlue);
        }
        const int end = int(left + cell / 2 + (2 * cell) * std::min(1.0, i / 3.0));
        rect(p, int(left + cell / 2), int(centre), end, int(centre), i < 4 ? kWhite : kBlack);
        frames.push_back(p);
    }
    for (int i = 0; i < 3; ++i) {
        Picture p = board();
        for (int c = 0; c < 3; ++c) {
            arc(p, left + (c + 0.5) * cell, centre, radius, 2 * kPi, kBlue);
        }
        rect(p, int(left + cell / 2), int(centre), int(left + 2.5 * cell), int(centre), kBlack);
        frames.push_back(p);
    }
    return frames;
}

std::vector<Rgb> logoPalette() {
    return {{255, 0, 255}, {40, 60, 140}, {255, 236, 140}, {150, 120, 60}, {255, 0, 0},
            {0, 0, 255},   {0, 0, 0},     {255, 255, 255}, {90, 90, 110}};
}

constexpr int kLampLevels = 32;
enum LampColour : uint8_t {
    kLampKey,
    kLampBase,
    kLampRim,
    kLampGlass
};  // glass: kLampGlass + level

std::vector<Rgb> lampPalette() {
    std::vector<Rgb> palette = {{255, 0, 255}, {70, 70, 80}, {30, 30, 30}};
    for (int level = 0; level < kLampLevels; ++level) {
        const double t = double(level) / (kLampLevels - 1);
        palette.push_back({uint8_t(90 + t * 165), uint8_t(80 + t * 160), uint8_t(20 + t * 40)});
    }
    return palette;
}

std::vector<Picture> lampFrames() {
    std::vector<Picture> frames;
    const int size = 41;
    const int count = 16;
    for (int i = 0; i < count; ++i) {
        // Up in four frames, down over the rest.
        const double brightness = i <= 4 ? i / 4.0 : 1.0 - (i - 4) / double(count - 5);
        Picture p(size, size, kLampKey);
        rect(p, 13, 33, 27, 38, kLampBase);
        fillDisc(p, 20.5, 18.5, 15, kLampRim);
        for (int ring = 0; ring < 14; ++ring) {
            // Brighter towards the middle of the glass.
            const double glow = brightness * (0.55 + 0.45 * ring / 13.0);
            const int level = std::min(kLampLevels - 1, int(glow * (kLampLevels - 1) + 0.5));
            fillDisc(p, 20.5, 18.5, 14 - ring, uint8_t(kLampGlass + level));
        }
        frames.push_back(p);
    }
    return frames;
}

bool save(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "make_clips: cannot write %s\n", path.c_str());
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_clips OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok =
        save(folder + "/A_Logo.avi", writeAvi(logoFrames(), logoPalette(), 110000, true)) &&
        save(folder + "/Yellow.avi", writeAvi(lampFrames(), lampPalette(), 70000, false));
    return ok ? 0 : 1;
}
