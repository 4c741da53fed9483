#include "tools/datasource/scan_job.h"

#include <algorithm>

#include "core/imaging/line_art.h"
#include "core/imaging/pixel_level.h"
#include "core/imaging/rendered_image.h"
#include "tools/datasource/scanner_response.h"

namespace korva::sim {
namespace {

constexpr int32_t kMatrixUnity = 32;
constexpr int32_t kDeepLevels = 4095;

// The device matrix bytes are in (output, input) order green-green, red-green, blue-green, green-red, ...:
// byte k feeds output channel kChannel[k % 3] from input channel kChannel[k / 3] (red 0, green 1, blue 2).
constexpr int kChannel[3] = {1, 0, 2};

int32_t SignMagnitude(uint8_t byte) {
    return (byte & 0x80) ? -(byte & 0x7F) : byte;
}

// The device samples of every pixel after the output tables, the colour matrix and the unsharp mask.
class Sampler {
  public:
    Sampler(const ScanJob& job, const ScanDocument& document)
        : job_(job), document_(document), response_(job.IsDeep() ? kDeepLevels : 255), step_(100.0 / job.dpi) {
        for (int k = 0; k < 9; ++k) {
            matrix_[kChannel[k % 3]][kChannel[k / 3]] = SignMagnitude(job.matrix[k]);
        }
    }

    int32_t MaxLevel() const { return response_.MaxLevel(); }

    DeviceRgb Pixel(int32_t column, int32_t row) {
        const double x = job_.left + (column + 0.5) * step_;
        const double y = job_.top + (row + 0.5) * step_;
        const DeviceRgb centre = Processed(x, y);
        if (!job_.unsharpMask) {
            return centre;
        }
        const DeviceRgb around[4] = {Processed(x - step_, y), Processed(x + step_, y), Processed(x, y - step_),
                                     Processed(x, y + step_)};
        DeviceRgb out{};
        for (int c = 0; c < 3; ++c) {
            const int32_t sum = around[0][c] + around[1][c] + around[2][c] + around[3][c];
            // v + (v - mean) / 2: edges gain half their contrast to the neighbourhood.
            out[c] = Clamp(centre[c] + (4 * centre[c] - sum) / 8);
        }
        return out;
    }

  private:
    uint16_t Clamp(int32_t v) const { return static_cast<uint16_t>(std::clamp(v, 0, MaxLevel())); }

    uint16_t Table(int channel, uint16_t v) const {
        const auto& table = job_.tables[channel];
        if (MaxLevel() == 255) {
            return table[v];
        }
        // Deep samples fall between two entries of the 256-entry table: interpolate.
        const int32_t scaled = v * 255;
        const int32_t i = scaled / kDeepLevels;
        const int32_t f = scaled % kDeepLevels;
        const int32_t next = table[std::min(i + 1, 255)];
        const int32_t level = table[i] * (kDeepLevels - f) + next * f;  // 255ths times 4095
        return static_cast<uint16_t>((level + 127) / 255);
    }

    DeviceRgb Processed(double x, double y) {
        DeviceRgb v = response_.Sample(document_.Colour(x, y));
        if (job_.tablesValid) {
            for (int c = 0; c < 3; ++c) {
                v[c] = Table(c, v[c]);
            }
        }
        if (job_.matrixValid) {
            DeviceRgb mixed{};
            for (int out = 0; out < 3; ++out) {
                int32_t sum = 0;
                for (int in = 0; in < 3; ++in) {
                    sum += matrix_[out][in] * v[in];
                }
                mixed[out] = Clamp(sum / kMatrixUnity);
            }
            v = mixed;
        }
        return v;
    }

    const ScanJob& job_;
    const ScanDocument& document_;
    ScannerResponse response_;
    double step_;
    int32_t matrix_[3][3] = {};
};

// The user's threshold t whose lighter "None" threshold is the one the module sent.
int32_t ThresholdSentAs(int32_t sent) {
    for (int32_t t = 0; t < 256; ++t) {
        if (ModeNoneThreshold(t) >= sent) {
            return t;
        }
    }
    return 255;
}

uint32_t PaletteColour(uint32_t index) {
    const uint32_t r = (index >> 5) * 255 / 7;
    const uint32_t g = ((index >> 2) & 7) * 255 / 7;
    const uint32_t b = (index & 3) * 255 / 3;
    return (r << 16) | (g << 8) | b;
}

void RenderBitmap(const ScanJob& job, Sampler& sampler, tools::BitmapImage& image) {
    image.width = job.width;
    image.height = job.height;
    const bool lineArt = job.pixelType == 0;
    image.bitsPerPixel = lineArt ? 24 : job.pixelType == 2 ? 24 : 8;
    if (job.pixelType == 1) {
        for (uint32_t level = 0; level < 256; ++level) {
            image.palette.push_back(level * 0x010101);
        }
    } else if (job.pixelType == 3) {
        for (uint32_t index = 0; index < 256; ++index) {
            image.palette.push_back(PaletteColour(index));
        }
    }
    const size_t stride = image.Stride();
    image.rows.assign(stride * job.height, 0);
    const PixelLevel grey(0, job.dropout);
    for (int32_t row = 0; row < job.height; ++row) {
        uint8_t* line = image.rows.data() + (job.height - 1 - row) * stride;
        for (int32_t column = 0; column < job.width; ++column) {
            const DeviceRgb v = sampler.Pixel(column, row);
            const uint8_t bgr[3] = {static_cast<uint8_t>(v[2]), static_cast<uint8_t>(v[1]), static_cast<uint8_t>(v[0])};
            if (image.bitsPerPixel == 24) {
                std::copy(bgr, bgr + 3, line + column * 3);
            } else if (job.pixelType == 1) {
                line[column] = static_cast<uint8_t>(grey(bgr));
            } else {
                line[column] = static_cast<uint8_t>((bgr[2] & 0xE0) | ((bgr[1] >> 3) & 0x1C) | (bgr[0] >> 6));
            }
        }
    }
    if (!lineArt) {
        return;
    }
    // Line art is made from the colour scan exactly as the module's preview makes it.
    RenderedImage art;
    art.width = job.width;
    art.height = job.height;
    art.rowBytes = static_cast<uint32_t>(stride);
    art.pixels = std::move(image.rows);
    RenderType type;
    type.colourClass = ColourClass::kBlackWhite;
    type.bitsPerPixel = 1;
    type.halftoneMode = job.halftoneMode;
    type.dropout = job.dropout;
    const bool halftone = job.halftoneMode > kHalftoneNone && job.halftoneMode <= kLastHalftoneMode;
    HalftoneLineArt(art, type, halftone ? job.userThreshold : ThresholdSentAs(job.threshold));
    image.bitsPerPixel = 1;
    image.palette = {0x000000, 0xFFFFFF};
    image.rows = std::move(art.pixels);
}

void RenderDeep(const ScanJob& job, Sampler& sampler, ScanImage& image) {
    image.deepChannels = job.pixelType == 1 ? 1 : 3;
    image.deepSamples.reserve(static_cast<size_t>(job.width) * job.height * image.deepChannels);
    auto widen = [](int32_t v) { return static_cast<uint16_t>((v * 65535 + kDeepLevels / 2) / kDeepLevels); };
    for (int32_t row = 0; row < job.height; ++row) {
        for (int32_t column = 0; column < job.width; ++column) {
            const DeviceRgb v = sampler.Pixel(column, row);
            if (image.deepChannels == 1) {
                const int32_t level = job.dropout == DropoutColour::kNone ? (2 * v[0] + 6 * v[1] + 2 * v[2]) / 10
                                                                          : v[static_cast<int>(job.dropout) - 1];
                image.deepSamples.push_back(widen(level));
            } else {
                for (int c = 0; c < 3; ++c) {
                    image.deepSamples.push_back(widen(v[c]));
                }
            }
        }
    }
}

}  // namespace

bool JobFromContext(const SourceContext& c, int32_t optionUnit, ScanJob& job) {
    job.width = static_cast<int32_t>(c.Get(ctx::pixelWidth));
    job.height = static_cast<int32_t>(c.Get(ctx::pixelHeight));
    const int64_t scale = c.Get(ctx::dsScale) == 0 ? 100 : c.Get(ctx::dsScale);
    job.dpi = c.Get(ctx::dsResolution) * scale / 100.0;
    job.left = static_cast<int32_t>(c.Get(ctx::dsAreaLeft));
    job.top = static_cast<int32_t>(c.Get(ctx::dsAreaTop));
    const int64_t docSource = c.Get(ctx::docSource);
    if (docSource == 0 || optionUnit == 2) {
        job.source = ScanSource::kFlatbed;
    } else if (optionUnit == 0) {
        job.source = ScanSource::kFeeder;
    } else {
        // Document source 1 holds a negative; in film mode the device takes out the mask and inverts it.
        job.source =
            docSource == 1 && c.Get(ctx::negativeFilm) != 1 ? ScanSource::kNegativeFilm : ScanSource::kPositiveFilm;
    }
    job.pixelType = static_cast<int32_t>(c.Get(ctx::pixelType));
    job.bitsPerSample = static_cast<int32_t>(c.Get(ctx::bitsPerSample));
    job.tablesValid = c.Get(ctx::level) >= 2 && c.Get(ctx::tablesValid) == 1;
    if (job.tablesValid) {
        const ContextField fields[3] = {ctx::tableRed, ctx::tableGreen, ctx::tableBlue};
        for (int channel = 0; channel < 3; ++channel) {
            std::copy_n(c.Bytes(fields[channel]), 256, job.tables[channel].begin());
        }
    }
    job.matrixValid = c.Get(ctx::level) >= 2 && c.Get(ctx::matrixValid) == 1;
    if (job.matrixValid) {
        std::copy_n(c.Bytes(ctx::colorMatrix), 9, job.matrix.begin());
    }
    job.unsharpMask = c.Get(ctx::unsharpMask) == 1;
    job.threshold = static_cast<int32_t>(c.Get(ctx::threshold));
    const auto halftone = static_cast<int32_t>(c.Get(ctx::halftoneIndex));
    job.halftoneMode = job.threshold == kHalftoneThreshold && halftone > kHalftoneNone && halftone <= kLastHalftoneMode
                           ? halftone
                           : kHalftoneNone;
    return job.width > 0 && job.height > 0 && job.dpi > 0 &&
           static_cast<int64_t>(job.width) * job.height <= kMaxScanPixels;
}

ScanImage RenderScan(const ScanJob& job, const ScanDocument& document) {
    Sampler sampler(job, document);
    ScanImage image;
    if (job.IsDeep()) {
        RenderDeep(job, sampler, image);
    } else {
        RenderBitmap(job, sampler, image.bitmap);
    }
    return image;
}

tools::BitmapImage BitmapOf(ScanImage&& image, int32_t width, int32_t height) {
    if (image.deepSamples.empty()) {
        return std::move(image.bitmap);
    }
    tools::BitmapImage bitmap;
    bitmap.width = width;
    bitmap.height = height;
    const int32_t channels = image.deepChannels;
    bitmap.bitsPerPixel = channels == 1 ? 8 : 24;
    if (channels == 1) {
        for (uint32_t level = 0; level < 256; ++level) {
            bitmap.palette.push_back(level * 0x010101);
        }
    }
    const size_t stride = bitmap.Stride();
    bitmap.rows.assign(stride * height, 0);
    for (int32_t row = 0; row < height; ++row) {
        uint8_t* line = bitmap.rows.data() + (height - 1 - row) * stride;
        const uint16_t* samples = image.deepSamples.data() + static_cast<size_t>(row) * width * channels;
        for (int32_t i = 0; i < width * channels; ++i) {
            // Colour samples come red first; the bitmap keeps blue first.
            const int32_t at = channels == 1 ? i : i - i % 3 + 2 - i % 3;
            line[at] = static_cast<uint8_t>((samples[i] * 255 + 32767) / 65535);
        }
    }
    return bitmap;
}

}  // namespace korva::sim
