// The module's string table compiled into the program, for platforms without resource strings.
#pragma once

#include <string_view>

namespace korva {

// The text of string `id`, or an empty view when the table has none.
std::string_view BuiltinString(int id);

}  // namespace korva
