// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the game's two animation clips and writes them as AVI files:
//   A_Logo.avi  49 x 49, RLE8: a mark circling a cell of a small board, then
//               a scoring line across its middle row; it loops.
//   Yellow.avi  41 x 41, uncompressed 8-bit: a signal lamp that lights up and
//               fades, played once for each chat line.
// Each is drawn again at twice the resolution, in the same geometry, for
// screens of twice the density: A_Logo@2x.avi (98 x 98) and Yellow@2x.avi
// (82 x 82).
// Usage: make_clips OUTPUT_FOLDER
// The output is the same byte for byte on every run.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "avi_writer.h"

namespace {

using velmora::Picture;
using velmora::Rgb;

constexpr double kPi = 3.14159265358979323846;

// A picture drawn in the pixels of the 96-dpi clip, `scale` pixels of the
// picture to each of them: the geometry is the same at every scale, only the
// pixels are finer. At scale 1 every primitive sets exactly the pixels the
// 96-dpi clips have always had.
struct Canvas {
    Picture picture;
    int scale;

    Canvas(int side, int scale, uint8_t fill)
        : picture(side * scale, side * scale, fill), scale(scale) {}

    // The first of the `scale` pixels a pen one 96-dpi pixel wide covers when
    // centred on `at`: those whose middles lie in the pen, the pen's lower
    // edge left out, so that at scale 1 it is the pixel holding the point.
    int penStart(double at) const { return int(std::floor(at * scale - (scale + 1) / 2.0)) + 1; }

    void block(int x0, int y0, int x1, int y1, uint8_t index) {
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                picture.set(x, y, index);
            }
        }
    }
    // The pen's square centred on (x, y).
    void dot(double x, double y, uint8_t index) {
        const int left = penStart(x);
        const int top = penStart(y);
        block(left, top, left + scale - 1, top + scale - 1, index);
    }
};

void fillDisc(Canvas& c, double cx, double cy, double radius, uint8_t index) {
    const double r = radius * c.scale;
    for (int y = 0; y < c.picture.height; ++y) {
        for (int x = 0; x < c.picture.width; ++x) {
            const double dx = x + 0.5 - cx * c.scale;
            const double dy = y + 0.5 - cy * c.scale;
            if (dx * dx + dy * dy <= r * r) {
                c.picture.set(x, y, index);
            }
        }
    }
}

// The outline of a circle from angle 0 (3 o'clock) counter-clockwise to `end`.
void arc(Canvas& c, double cx, double cy, double radius, double end, uint8_t index) {
    const int steps = 200 * c.scale;
    for (int i = 0; i <= steps; ++i) {
        const double a = end * i / steps;
        c.dot(cx + radius * std::cos(a), cy - radius * std::sin(a), index);
    }
}

// The 96-dpi pixels x0..x1, y0..y1, whole.
void rect(Canvas& c, int x0, int y0, int x1, int y1, uint8_t index) {
    c.block(x0 * c.scale, y0 * c.scale, (x1 + 1) * c.scale - 1, (y1 + 1) * c.scale - 1, index);
}

// The pen drawn from (x0, y) to (x1, y).
void horizontal(Canvas& c, double x0, double x1, double y, uint8_t index) {
    const int top = c.penStart(y);
    c.block(c.penStart(x0), top, c.penStart(x1) + c.scale - 1, top + c.scale - 1, index);
}

// --- the pictures ---------------------------------------------------------

enum LogoColour : uint8_t { kKey, kFrame, kBoard, kGrid, kRed, kBlue, kBlack, kWhite, kShade };

std::vector<Picture> logoFrames(int scale) {
    std::vector<Picture> frames;
    const int size = 49;
    const double cell = 13;
    const double left = 5;  // the small board covers 5..44
    auto board = [&] {
        Canvas p(size, scale, kKey);  // the corner colour shows the control's background
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
        Canvas p = board();
        arc(p, centre, centre, radius, 0.01 + i * 0.8, kRed);
        frames.push_back(p.picture);
    }
    // ...its neighbours are filled, and a line grows across the row.
    for (int i = 0; i < 5; ++i) {
        Canvas p = board();
        for (int c = 0; c < 3; ++c) {
            arc(p, left + (c + 0.5) * cell, centre, radius, 2 * kPi, c == 1 ? kRed : kBlue);
        }
        const double end = left + cell / 2 + (2 * cell) * std::min(1.0, i / 3.0);
        horizontal(p, left + cell / 2, end, centre, i < 4 ? kWhite : kBlack);
        frames.push_back(p.picture);
    }
    for (int i = 0; i < 3; ++i) {
        Canvas p = board();
        for (int c = 0; c < 3; ++c) {
            arc(p, left + (c + 0.5) * cell, centre, radius, 2 * kPi, kBlue);
        }
        horizontal(p, left + cell / 2, left + 2.5 * cell, centre, kBlack);
        frames.push_back(p.picture);
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

std::vector<Picture> lampFrames(int scale) {
    std::vector<Picture> frames;
    const int size = 41;
    const int count = 16;
    for (int i = 0; i < count; ++i) {
        // Up in four frames, down over the rest.
        const double brightness = i <= 4 ? i / 4.0 : 1.0 - (i - 4) / double(count - 5);
        Canvas p(size, scale, kLampKey);
        rect(p, 13, 33, 27, 38, kLampBase);
        fillDisc(p, 20.5, 18.5, 15, kLampRim);
        for (int ring = 0; ring < 14; ++ring) {
            // Brighter towards the middle of the glass.
            const double glow = brightness * (0.55 + 0.45 * ring / 13.0);
            const int level = std::min(kLampLevels - 1, int(glow * (kLampLevels - 1) + 0.5));
            fillDisc(p, 20.5, 18.5, 14 - ring, uint8_t(kLampGlass + level));
        }
        frames.push_back(p.picture);
    }
    return frames;
}

bool save(const std::string& path, const velmora::AviWriteResult& clip) {
    if (!clip.ok) {
        std::fprintf(stderr, "make_clips: %s: %s\n", path.c_str(), clip.error.c_str());
        return false;
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "make_clips: cannot write %s\n", path.c_str());
        return false;
    }
    const bool written =
        std::fwrite(clip.bytes.data(), 1, clip.bytes.size(), file) == clip.bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_clips OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    // Each clip at 96 dpi and, as Qt names a picture for a device pixel ratio
    // of 2, at twice the resolution.
    bool ok = true;
    for (const auto& [scale, suffix] : {std::pair{1, ""}, {2, "@2x"}}) {
        ok = ok &&
             save(folder + "/A_Logo" + suffix + ".avi",
                  velmora::writeAvi(logoFrames(scale), logoPalette(), 110000, true)) &&
             save(folder + "/Yellow" + suffix + ".avi",
                  velmora::writeAvi(lampFrames(scale), lampPalette(), 70000, false));
    }
    return ok ? 0 : 1;
}
