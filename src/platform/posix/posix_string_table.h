// The string table on POSIX: the texts compiled into the program.
#pragma once

#include "core/text/builtin_strings.h"
#include "platform/string_table.h"

namespace korva {

class PosixStringTable final : public StringTable {
  public:
    std::string Load(int id, size_t capacity) override {
        if (capacity == 0) {
            return {};
        }
        return std::string(BuiltinString(id).substr(0, capacity - 1));
    }
};

}  // namespace korva
