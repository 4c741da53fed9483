// The SourceContext block shared with the data source: one field table (offset, element width, count,
// signedness) built from the public layout, and little-endian access by field.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "korva/source_context_layout.h"

namespace korva {

struct ContextField {
    uint32_t offset;
    uint32_t width;  // bytes of one element: 1, 2 or 4
    uint32_t count;  // elements; 1 for scalars
    bool isSigned;
};

namespace ctx {
#define KORVA_CONTEXT_FIELD_(name, offset, width, count, isSigned) \
    inline constexpr ContextField name{offset, width, count, (isSigned) != 0};
KORVA_SOURCE_CONTEXT_FIELDS(KORVA_CONTEXT_FIELD_)
#undef KORVA_CONTEXT_FIELD_
}  // namespace ctx

inline constexpr uint32_t kSourceContextSize = KORVA_SOURCE_CONTEXT_SIZE;

// A view of a block of at least kSourceContextSize bytes owned by someone else (the data source).
class SourceContext {
  public:
    explicit SourceContext(uint8_t* block = nullptr) : block_(block) {}

    bool IsAttached() const { return block_ != nullptr; }
    uint8_t* Block() const { return block_; }

    // Element `index` of an integer field, sign- or zero-extended by the field's signedness.
    int64_t Get(ContextField field, uint32_t index = 0) const;
    // Stores the low bytes of `value` into element `index` (the field's width decides how many).
    void Set(ContextField field, int64_t value, uint32_t index = 0);

    // The bytes of a whole field (tables, matrix, texts).
    uint8_t* Bytes(ContextField field) const { return block_ + field.offset; }
    // A zero-terminated text field; stops at the end of the field when no zero comes first.
    std::string Text(ContextField field) const;
    // Writes `text` zero-padded into the field, cut so that the last byte stays zero.
    void SetText(ContextField field, std::string_view text);

  private:
    uint8_t* block_;
};

}  // namespace korva
