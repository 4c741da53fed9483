#include "tools/datasource/scan_files.h"

#include <cstdio>

#include "tools/common/bitmap_writer.h"

namespace korva::sim {
namespace {

constexpr int kMaxScanNumber = 9999;

bool WriteBytes(FileSystem& files, const std::string& path, const void* data, size_t size) {
    std::unique_ptr<File> file = files.Open(path, FileMode::kCreateWrite);
    return file && file->Write(data, size) == size;
}

}  // namespace

std::vector<uint8_t> EncodeTiff16(int32_t width,
                                  int32_t height,
                                  int32_t channels,
                                  const std::vector<uint16_t>& samples,
                                  double dpi) {
    enum : uint16_t { kShort = 3, kLong = 4, kRational = 5 };
    struct Entry {
        uint16_t tag;
        uint16_t type;
        uint32_t count;
        uint32_t value;
    };
    constexpr uint32_t kHeaderBytes = 8;
    constexpr uint32_t kEntries = 13;
    const uint32_t directoryBytes = 2 + kEntries * 12 + 4;
    const uint32_t bitsOffset = kHeaderBytes + directoryBytes;  // three shorts for RGB
    const uint32_t resolutionOffset = bitsOffset + 8;           // two rationals
    const uint32_t pixelOffset = resolutionOffset + 16;
    const auto pixelBytes = static_cast<uint32_t>(samples.size() * 2);
    const Entry entries[kEntries] = {
        {256, kLong, 1, static_cast<uint32_t>(width)},
        {257, kLong, 1, static_cast<uint32_t>(height)},
        {258, kShort, static_cast<uint32_t>(channels), channels == 1 ? 16u : bitsOffset},
        {259, kShort, 1, 1},                        // no compression
        {262, kShort, 1, channels == 1 ? 1u : 2u},  // black is zero, or RGB
        {273, kLong, 1, pixelOffset},
        {277, kShort, 1, static_cast<uint32_t>(channels)},
        {278, kLong, 1, static_cast<uint32_t>(height)},
        {279, kLong, 1, pixelBytes},
        {282, kRational, 1, resolutionOffset},
        {283, kRational, 1, resolutionOffset + 8},
        {284, kShort, 1, 1},  // samples of a pixel together
        {296, kShort, 1, 2},  // inches
    };
    std::vector<uint8_t> out;
    out.reserve(pixelOffset + pixelBytes);
    tools::PutLe16(out, 0x4949);  // "II": little-endian
    tools::PutLe16(out, 42);
    tools::PutLe32(out, kHeaderBytes);
    tools::PutLe16(out, kEntries);
    for (const Entry& e : entries) {
        tools::PutLe16(out, e.tag);
        tools::PutLe16(out, e.type);
        tools::PutLe32(out, e.count);
        // A short that fits is stored in the first two bytes of the value field.
        tools::PutLe32(out, e.value);
    }
    tools::PutLe32(out, 0);
    for (int i = 0; i < 4; ++i) {
        tools::PutLe16(out, 16);
    }
    const auto dotsPer100Inches = static_cast<uint32_t>(dpi * 100 + 0.5);
    for (int i = 0; i < 2; ++i) {
        tools::PutLe32(out, dotsPer100Inches);
        tools::PutLe32(out, 100);
    }
    for (uint16_t sample : samples) {
        tools::PutLe16(out, sample);
    }
    return out;
}

std::string DescribeJob(const ScanJob& job, const std::string& origin) {
    static constexpr const char* kSources[] = {"flatbed", "feeder", "positive film", "negative film"};
    char text[512];
    std::snprintf(text, sizeof text,
                  "origin=%s\r\nsource=%s\r\npixelType=%d\r\nbitsPerSample=%d\r\nwidth=%d\r\nheight=%d\r\n"
                  "dpi=%g\r\nleft=%d\r\ntop=%d\r\ntables=%d\r\nmatrix=%d\r\nunsharpMask=%d\r\nthreshold=%d\r\n"
                  "halftone=%d\r\ndropout=%d\r\n",
                  origin.c_str(), kSources[static_cast<int>(job.source)], job.pixelType, job.bitsPerSample, job.width,
                  job.height, job.dpi, job.left, job.top, job.tablesValid ? 1 : 0, job.matrixValid ? 1 : 0,
                  job.unsharpMask ? 1 : 0, job.threshold, job.halftoneMode, static_cast<int>(job.dropout));
    return text;
}

std::string WriteScanFiles(FileSystem& files,
                           const std::string& folder,
                           const ScanImage& image,
                           const ScanJob& job,
                           const std::string& origin) {
    files.MakeDirectory(folder);
    const bool deep = !image.deepSamples.empty();
    for (int number = 1; number <= kMaxScanNumber; ++number) {
        char base[32];
        std::snprintf(base, sizeof base, "\\SCAN%04d.", number);
        const std::string stem = folder + base;
        if (files.Exists(stem + "BMP") || files.Exists(stem + "TIF")) {
            continue;
        }
        const std::string path = stem + (deep ? "TIF" : "BMP");
        const std::vector<uint8_t> bytes =
            deep ? EncodeTiff16(job.width, job.height, image.deepChannels, image.deepSamples, job.dpi)
                 : tools::EncodeBitmapFile(image.bitmap);
        const std::string side = DescribeJob(job, origin);
        if (!WriteBytes(files, path, bytes.data(), bytes.size()) ||
            !WriteBytes(files, stem + "TXT", side.data(), side.size())) {
            return {};
        }
        return path;
    }
    return {};
}

}  // namespace korva::sim
