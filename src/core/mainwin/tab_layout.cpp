#include "core/mainwin/tab_layout.h"

namespace korva {

TabHit HitTabLabel(const Rect& ocrLabel, const Rect& photoLabel, const Rect& frame, Point p) {
    if (ocrLabel.left < p.x && p.x < photoLabel.left && ocrLabel.top < p.y && p.y < frame.top) {
        return TabHit::kOcr;
    }
    const int32_t photoEnd = 2 * photoLabel.left - ocrLabel.left;
    if (photoLabel.left < p.x && p.x < photoEnd && photoLabel.top < p.y && p.y < frame.top) {
        return TabHit::kPhoto;
    }
    return TabHit::kNone;
}

PagePlacement CentrePageInFrame(const Rect& frame, const Rect& origin, int32_t pageWidth, int32_t pageHeight) {
    PagePlacement placement;
    placement.x = (frame.left - origin.left) + ((frame.right - frame.left) - pageWidth) / 2;
    placement.y = (frame.top - origin.top) + ((frame.bottom - frame.top) - pageHeight) / 2;
    return placement;
}

}  // namespace korva
