// What lies on the scanner for each document source: the test chart (or a picture from a file) on the
// flatbed and in the feeder, and a slide or an orange-masked negative of the chart's photograph in the
// film unit. Colours are true sRGB colours; positions are hundredths of an inch from the bed's origin.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tools/datasource/test_document.h"

namespace korva::sim {

enum class ScanSource { kFlatbed, kFeeder, kPositiveFilm, kNegativeFilm };

// A 24-bit picture, rows top-down without padding.
struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<Bgr> pixels;
};

// An uncompressed 24-bit bitmap file; nothing when the file is missing, of another kind, or damaged.
std::optional<Picture> LoadPicture(FileSystem& files, const std::string& path);

// The frame of the picture on the film, hundredths of an inch: 36 x 24 mm.
inline constexpr double kFilmFrameLeft = 54;
inline constexpr double kFilmFrameTop = 53;
inline constexpr double kFilmFrameWidth = 142;
inline constexpr double kFilmFrameHeight = 94;

class ScanDocument {
  public:
    // With a picture, the picture takes the page's width from the bed's origin instead of the chart.
    ScanDocument(ScanSource source, const Picture* picture) : source_(source), picture_(picture) {}

    Bgr Colour(double x, double y) const;

  private:
    Bgr PageColour(double x, double y) const;

    ScanSource source_;
    const Picture* picture_;
};

}  // namespace korva::sim
