// The size of a thumbnail of the current marquee's part of the preview, fitted into a destination box
// without distortion; the dialogs remember it as the thumbnail's size.
#pragma once

#include <cstdint>

namespace korva {

struct ThumbnailSize {
    int32_t width = 0;
    int32_t height = 0;

    friend bool operator==(const ThumbnailSize&, const ThumbnailSize&) = default;
};

// With r = part width / part height and R = box width / box height: a wider part keeps the box width and
// takes the height trunc(box width / r + 0.5), a taller part keeps the box height and takes the width
// trunc(box height * r + 0.5); equal ratios keep the box. A part or box without area keeps the box.
ThumbnailSize FitThumbnail(int32_t partWidth, int32_t partHeight, int32_t boxWidth, int32_t boxHeight);

}  // namespace korva
