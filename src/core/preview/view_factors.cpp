#include "core/preview/view_factors.h"

#include <algorithm>
#include <array>

#include "core/preview/integer_math.h"

namespace korva {
namespace {

bool WithinGeometryLimit(int32_t value) {
    return value >= -kMaxGeometryValue && value <= kMaxGeometryValue;
}

}  // namespace

bool IsWithinGeometryLimit(const PreviewView& v) {
    const std::array<int32_t, 10> values{v.areaLeft,   v.areaTop,  v.areaWidth, v.areaHeight, v.viewWidth,
                                         v.viewHeight, v.bedWidth, v.bedHeight, v.fullWidth,  v.fullHeight};
    return std::all_of(values.begin(), values.end(), WithinGeometryLimit);
}

bool IsWithinGeometryLimit(const Rect& r) {
    return WithinGeometryLimit(r.left) && WithinGeometryLimit(r.top) && WithinGeometryLimit(r.right) &&
           WithinGeometryLimit(r.bottom);
}

ViewFactors FactorsFor(const PreviewView& v) {
    if (!IsWithinGeometryLimit(v)) {
        return {};
    }
    ViewFactors f;
    f.fullW = v.fullWidth;
    f.fullH = v.fullHeight;
    f.bedW = v.bedWidth;
    f.bedH = v.bedHeight;
    f.bedPxW = Low32(DivideOrZero(v.areaWidth / 2 + int64_t{v.viewWidth} * v.bedWidth, v.areaWidth));
    f.bedPxH = Low32(DivideOrZero(v.areaHeight / 2 + int64_t{v.viewHeight} * v.bedHeight, v.areaHeight));
    f.offTenthsX = Low32(DivideOrZero(v.areaWidth / 2 + int64_t{v.areaLeft} * v.viewWidth * 10, v.areaWidth));
    f.offTenthsY = Low32(DivideOrZero(v.areaHeight / 2 + int64_t{v.areaTop} * v.viewHeight * 10, v.areaHeight));
    return f;
}

Rect ViewTenthsFromDocument(const ViewFactors& f, const Rect& d) {
    return {Low32(RoundedDivide(int64_t{d.left} * f.bedPxW, f.bedW) - f.offTenthsX),
            Low32(RoundedDivide(int64_t{d.top} * f.bedPxH, f.bedH) - f.offTenthsY),
            Low32(RoundedDivide(int64_t{d.right} * f.bedPxW, f.bedW) - f.offTenthsX),
            Low32(RoundedDivide(int64_t{d.bottom} * f.bedPxH, f.bedH) - f.offTenthsY)};
}

Rect PixelsFromTenths(const Rect& t) {
    return {Low32((int64_t{t.left} + 5) / 10), Low32((int64_t{t.top} + 5) / 10), Low32((int64_t{t.right} + 5) / 10),
            Low32((int64_t{t.bottom} + 5) / 10)};
}

}  // namespace korva
