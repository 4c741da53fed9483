#include "core/boundary/source_context.h"

#include <algorithm>
#include <cstring>

namespace korva {

int64_t SourceContext::Get(ContextField field, uint32_t index) const {
    if (!block_ || index >= field.count) {
        return 0;
    }
    const uint8_t* p = block_ + field.offset + index * field.width;
    uint64_t raw = 0;
    for (uint32_t i = 0; i < field.width; ++i) {
        raw |= static_cast<uint64_t>(p[i]) << (8 * i);
    }
    if (field.isSigned && field.width < 8 && (raw >> (8 * field.width - 1)) & 1) {
        raw |= ~uint64_t{0} << (8 * field.width);
    }
    return static_cast<int64_t>(raw);
}

void SourceContext::Set(ContextField field, int64_t value, uint32_t index) {
    if (!block_ || index >= field.count) {
        return;
    }
    uint8_t* p = block_ + field.offset + index * field.width;
    const auto raw = static_cast<uint64_t>(value);
    for (uint32_t i = 0; i < field.width; ++i) {
        p[i] = static_cast<uint8_t>(raw >> (8 * i));
    }
}

std::string SourceContext::Text(ContextField field) const {
    if (!block_) {
        return {};
    }
    const char* p = reinterpret_cast<const char*>(block_ + field.offset);
    const size_t size = field.width * field.count;
    return std::string(p, std::find(p, p + size, '\0'));
}

void SourceContext::SetText(ContextField field, std::string_view text) {
    if (!block_) {
        return;
    }
    const size_t size = field.width * field.count;
    uint8_t* p = block_ + field.offset;
    std::memset(p, 0, size);
    std::memcpy(p, text.data(), std::min(text.size(), size - 1));
}

}  // namespace korva
