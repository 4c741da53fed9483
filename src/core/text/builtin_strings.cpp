#include "core/text/builtin_strings.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace korva {
namespace {

struct Entry {
    int id;
    std::string_view text;
};

constexpr Entry kStrings[] = {
#define KORVA_STRING(id, text) {id, text},
#include "strings.inc"
#undef KORVA_STRING
};

static_assert(std::is_sorted(std::begin(kStrings),
                             std::end(kStrings),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }),
              "the string table is kept in ascending id order");

}  // namespace

std::string_view BuiltinString(int id) {
    const auto* it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                      [](const Entry& e, int wanted) { return e.id < wanted; });
    if (it == std::end(kStrings) || it->id != id) {
        return {};
    }
    return it->text;
}

}  // namespace korva
