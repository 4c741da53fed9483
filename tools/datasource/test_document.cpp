#include "tools/datasource/test_document.h"

#include <cmath>

namespace korva::sim {
namespace {

constexpr Bgr kPaper{238, 245, 248};
constexpr Bgr kInk{40, 32, 30};
constexpr Bgr kBed{200, 200, 200};

constexpr double kPageWidth = 850;
constexpr double kPageHeight = 1100;

uint8_t Clamp(double v) {
    return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v + 0.5);
}

Bgr Mix(Bgr a, Bgr b, double t) {
    return {Clamp(a.b + (b.b - a.b) * t), Clamp(a.g + (b.g - a.g) * t), Clamp(a.r + (b.r - a.r) * t)};
}

}  // namespace

Bgr TestPhotograph(double u, double v) {
    const double sunDistance = std::hypot(u - 0.76, v - 0.24);
    if (sunDistance < 0.09) {
        return {60, 215, 255};
    }
    const double farHill = 0.55 + 0.08 * std::sin(u * 7.0 + 1.0);
    const double nearHill = 0.72 + 0.06 * std::sin(u * 4.0 + 2.5);
    if (u > 0.22 && u < 0.40 && v > nearHill - 0.20 && v < nearHill + 0.02) {
        if (v < nearHill - 0.12) {
            return {40, 40, 170};  // roof
        }
        return (u > 0.28 && u < 0.33 && v > nearHill - 0.07) ? Bgr{30, 50, 90} : Bgr{170, 210, 235};
    }
    if (v > nearHill) {
        return Mix({40, 150, 60}, {20, 80, 30}, (v - nearHill) / (1.0 - nearHill));
    }
    if (v > farHill) {
        return Mix({90, 170, 110}, {60, 130, 80}, (v - farHill) / 0.3);
    }
    return Mix({235, 170, 90}, {250, 225, 190}, v / farHill);
}

namespace {

// Lines of "words": dark bars with gaps, the last line of each paragraph shorter.
bool TextInk(double x, double y, double left, double top, double width, int lines) {
    const double lineHeight = 18;
    const int line = static_cast<int>((y - top) / lineHeight);
    if (y < top || line >= lines || x < left || x > left + width) {
        return false;
    }
    const double inLine = std::fmod(y - top, lineHeight);
    if (inLine < 5 || inLine > 13) {
        return false;
    }
    const double lineLength = (line % 5 == 4) ? width * 0.55 : width;
    if (x > left + lineLength) {
        return false;
    }
    const double word = std::fmod(x - left + line * 37.0, 61.0);
    return word < 48;
}

}  // namespace

Bgr TestDocumentColour(double x, double y) {
    if (x < 0 || y < 0 || x >= kPageWidth || y >= kPageHeight) {
        return kBed;
    }
    if (y >= 60 && y < 100 && x >= 80 && x < 620 && std::fmod(x - 80, 54.0) < 44) {
        return kInk;  // heading
    }
    if (x >= 150 && x < 700 && y >= 160 && y < 560) {
        return TestPhotograph((x - 150) / 550, (y - 160) / 400);
    }
    if (TextInk(x, y, 80, 600, 690, 18)) {
        return kInk;
    }
    if (y >= 120 && y < 145 && x >= 80 && x < 770 && std::fmod(x - 80, 6.0) < 1.5) {
        return kInk;  // fine lines, a pattern that only a fine resolution resolves
    }
    if (y >= 1050 && y < 1090 && x >= 80 && x < 770) {
        const auto level = static_cast<uint8_t>((x - 80) * 256 / 690);
        return {level, level, level};  // grey ramp from black to white
    }
    if (y >= 960 && y < 1040 && x >= 80 && x < 770) {
        static constexpr Bgr kPatches[] = {{40, 40, 220},   {40, 190, 40},  {200, 60, 30}, {220, 220, 40},
                                           {200, 40, 200},  {40, 220, 230}, {20, 20, 20},  {90, 90, 90},
                                           {160, 160, 160}, {250, 250, 250}};
        const int patch = static_cast<int>((x - 80) / 69);
        return kPatches[patch < 10 ? patch : 9];
    }
    return kPaper;
}

}  // namespace korva::sim
