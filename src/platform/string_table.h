// The module's string table: captions, messages, names of units, pixel types, halftones and the like,
// each under its number.
#pragma once

#include <cstddef>
#include <string>

namespace korva {

class StringTable {
  public:
    virtual ~StringTable() = default;
    // The string with that id cut to at most capacity - 1 characters; empty when there is none.
    virtual std::string Load(int id, size_t capacity = 256) = 0;
};

}  // namespace korva
