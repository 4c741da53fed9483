// The files a final scan leaves in the output folder: the image ("SCAN0001.BMP" for up to 24 bits per
// pixel, "SCAN0001.TIF" with 16-bit samples for the deep types, which a Windows bitmap cannot hold) and
// beside it "SCAN0001.TXT", the block the image was made from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tools/datasource/scan_job.h"

namespace korva::sim {

// A baseline TIFF, little-endian and uncompressed, of 16-bit grey (1 channel) or RGB (3 channels)
// samples in one strip, with the resolution in dots per inch.
std::vector<uint8_t> EncodeTiff16(int32_t width,
                                  int32_t height,
                                  int32_t channels,
                                  const std::vector<uint16_t>& samples,
                                  double dpi);

// "key=value" lines of what made the image: the job and where its settings came from.
std::string DescribeJob(const ScanJob& job, const std::string& origin);

// Writes the image and its side file under the next free number of the folder; the image's path, or
// empty when nothing could be written.
std::string WriteScanFiles(FileSystem& files,
                           const std::string& folder,
                           const ScanImage& image,
                           const ScanJob& job,
                           const std::string& origin);

}  // namespace korva::sim
