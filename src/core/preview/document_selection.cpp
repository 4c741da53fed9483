#include "core/preview/document_selection.h"

namespace korva {

DocumentSelection SelectionInDocument(const PreviewView& view) {
    DocumentSelection selection;
    selection.width = view.selWidth;
    selection.height = view.selHeight;
    selection.left = view.areaLeft;
    selection.top = view.areaTop;
    if (view.viewWidth > 0 && view.viewHeight > 0) {
        selection.left += static_cast<int32_t>(int64_t{view.currentRect.left} * view.areaWidth / view.viewWidth);
        selection.top += static_cast<int32_t>(int64_t{view.currentRect.top} * view.areaHeight / view.viewHeight);
    }
    return selection;
}

}  // namespace korva
