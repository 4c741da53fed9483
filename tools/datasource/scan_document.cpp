#include "tools/datasource/scan_document.h"

#include "core/preview/packed_dib.h"

namespace korva::sim {
namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kMaxPictureBytes = 64u * 1024 * 1024;
constexpr double kPageWidth = 850;
constexpr Bgr kMount{12, 12, 12};
// The orange of the film base: the light a negative passes where it was not exposed.
constexpr Bgr kFilmBase{105, 165, 250};

uint8_t Transmit(uint8_t base, uint8_t positive) {
    return static_cast<uint8_t>(base * (255 - positive) / 255);
}

}  // namespace

std::optional<Picture> LoadPicture(FileSystem& files, const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(files, path, kMaxPictureBytes, bytes) || bytes.size() < kFileHeaderBytes || bytes[0] != 'B' ||
        bytes[1] != 'M') {
        return std::nullopt;
    }
    const std::span<const uint8_t> dib = std::span<const uint8_t>(bytes).subspan(kFileHeaderBytes);
    const std::optional<DibLayout> layout = ParsePackedDib(dib);
    if (!layout || layout->bitCount != 24) {
        return std::nullopt;
    }
    Picture picture;
    picture.width = layout->width;
    picture.height = layout->height;
    picture.pixels.reserve(static_cast<size_t>(layout->width) * layout->height);
    for (int32_t row = layout->height - 1; row >= 0; --row) {
        const uint8_t* p = dib.data() + layout->pixelOffset + static_cast<size_t>(row) * layout->stride;
        for (int32_t column = 0; column < layout->width; ++column, p += 3) {
            picture.pixels.push_back({p[0], p[1], p[2]});
        }
    }
    return picture;
}

Bgr ScanDocument::PageColour(double x, double y) const {
    if (!picture_) {
        return TestDocumentColour(x, y);
    }
    const double scale = picture_->width / kPageWidth;  // picture pixels per hundredth of an inch
    const auto column = static_cast<int64_t>(x * scale);
    const auto row = static_cast<int64_t>(y * scale);
    if (x < 0 || y < 0 || column >= picture_->width || row >= picture_->height) {
        return TestDocumentColour(-1, -1);  // the bare bed
    }
    return picture_->pixels[static_cast<size_t>(row) * picture_->width + column];
}

Bgr ScanDocument::Colour(double x, double y) const {
    if (source_ == ScanSource::kFlatbed || source_ == ScanSource::kFeeder) {
        return PageColour(x, y);
    }
    const double u = (x - kFilmFrameLeft) / kFilmFrameWidth;
    const double v = (y - kFilmFrameTop) / kFilmFrameHeight;
    if (u < 0 || u >= 1 || v < 0 || v >= 1) {
        return kMount;
    }
    const Bgr positive = TestPhotograph(u, v);
    if (source_ == ScanSource::kPositiveFilm) {
        return positive;
    }
    return {Transmit(kFilmBase.b, positive.b), Transmit(kFilmBase.g, positive.g), Transmit(kFilmBase.r, positive.r)};
}

}  // namespace korva::sim
