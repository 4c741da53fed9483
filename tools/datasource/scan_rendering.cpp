#include "tools/datasource/scan_rendering.h"

#include <cstring>
#include <vector>

#include "tools/common/bitmap_writer.h"
#include "tools/datasource/test_document.h"

namespace korva::sim {
namespace {

// Scans larger than this are refused rather than allocated.
constexpr int64_t kMaxPixels = 64ll * 1024 * 1024;

struct ScanArea {
    int width = 0;
    int height = 0;
    double dpi = 0;
    double left = 0;  // hundredths of an inch
    double top = 0;
};

bool AreaFromContext(const SourceContext& c, ScanArea& area) {
    area.width = static_cast<int>(c.Get(ctx::pixelWidth));
    area.height = static_cast<int>(c.Get(ctx::pixelHeight));
    area.dpi = c.Get(ctx::dsResolution) * c.Get(ctx::dsScale) / 100.0;
    area.left = static_cast<double>(c.Get(ctx::dsAreaLeft));
    area.top = static_cast<double>(c.Get(ctx::dsAreaTop));
    return area.width > 0 && area.height > 0 && area.dpi > 0 &&
           static_cast<int64_t>(area.width) * area.height <= kMaxPixels;
}

// Samples the document at the centre of each pixel and passes it through the output tables when
// the module asked for them; `put` receives the row (from the top), column and colour.
template <typename Put>
void Scan(const SourceContext& c, const ScanArea& area, Put put) {
    const bool tables = c.Get(ctx::tablesValid) == 1;
    const uint8_t* red = c.Bytes(ctx::tableRed);
    const uint8_t* green = c.Bytes(ctx::tableGreen);
    const uint8_t* blue = c.Bytes(ctx::tableBlue);
    for (int row = 0; row < area.height; ++row) {
        const double y = area.top + (row + 0.5) * 100.0 / area.dpi;
        for (int column = 0; column < area.width; ++column) {
            Bgr colour = TestDocumentColour(area.left + (column + 0.5) * 100.0 / area.dpi, y);
            if (tables) {
                colour = {blue[colour.b], green[colour.g], red[colour.r]};
            }
            put(row, column, colour);
        }
    }
}

}  // namespace

HGLOBAL RenderPreview(const SourceContext& c) {
    ScanArea area;
    if (!AreaFromContext(c, area)) {
        return nullptr;
    }
    const size_t stride = (static_cast<size_t>(area.width) * 3 + 3) & ~size_t{3};
    const size_t imageBytes = stride * area.height;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(BITMAPINFOHEADER) + imageBytes);
    if (!memory) {
        return nullptr;
    }
    auto* header = static_cast<BITMAPINFOHEADER*>(::GlobalLock(memory));
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = area.width;
    header->biHeight = area.height;
    header->biPlanes = 1;
    header->biBitCount = 24;
    header->biCompression = BI_RGB;
    header->biSizeImage = static_cast<DWORD>(imageBytes);
    header->biXPelsPerMeter = header->biYPelsPerMeter = static_cast<LONG>(area.dpi / 0.0254 + 0.5);
    uint8_t* pixels = reinterpret_cast<uint8_t*>(header + 1);
    Scan(c, area, [&](int row, int column, Bgr colour) {
        uint8_t* p = pixels + (area.height - 1 - row) * stride + column * 3;
        p[0] = colour.b;
        p[1] = colour.g;
        p[2] = colour.r;
    });
    ::GlobalUnlock(memory);
    return memory;
}

bool WriteFinalScan(const SourceContext& c, const std::string& path) {
    ScanArea area;
    if (!AreaFromContext(c, area)) {
        return false;
    }
    tools::BitmapImage image;
    image.width = area.width;
    image.height = area.height;
    const int pixelType = static_cast<int>(c.Get(ctx::pixelType));
    image.bitsPerPixel = pixelType == 0 ? 1 : pixelType == 2 ? 24 : 8;
    if (image.bitsPerPixel == 1) {
        image.palette = {0x000000, 0xFFFFFF};
    } else if (image.bitsPerPixel == 8) {
        for (uint32_t level = 0; level < 256; ++level) {
            image.palette.push_back(level * 0x010101);
        }
    }
    const size_t stride = image.Stride();
    image.rows.assign(stride * area.height, 0);
    const int threshold = static_cast<int>(c.Get(ctx::threshold));
    // A 4 x 4 ordered dither stands for the halftone the module asked for with threshold 0xFFFF.
    static constexpr uint8_t kDither[4][4] = {
        {8, 136, 40, 168}, {200, 72, 232, 104}, {56, 184, 24, 152}, {248, 120, 216, 88}};
    Scan(c, area, [&](int row, int column, Bgr colour) {
        uint8_t* line = image.rows.data() + (area.height - 1 - row) * stride;
        const int grey = (2 * colour.r + 6 * colour.g + 2 * colour.b) / 10;
        switch (image.bitsPerPixel) {
            case 24:
                line[column * 3] = colour.b;
                line[column * 3 + 1] = colour.g;
                line[column * 3 + 2] = colour.r;
                break;
            case 8:
                line[column] = static_cast<uint8_t>(grey);
                break;
            default: {
                const int limit = threshold == 0xFFFF ? kDither[row & 3][column & 3] : threshold;
                if (grey > limit) {
                    line[column / 8] |= static_cast<uint8_t>(0x80 >> (column % 8));
                }
            }
        }
    });
    return tools::WriteBitmapFile(path, image);
}

}  // namespace korva::sim
