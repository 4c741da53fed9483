#include "platform/win32/win32_services.h"

namespace korva {

std::string Win32StringTable::Load(int id, size_t capacity) {
    if (capacity == 0) {
        return {};
    }
    std::string buffer(capacity, '\0');
    const int length = ::LoadStringA(instance_, static_cast<UINT>(id), buffer.data(), static_cast<int>(capacity));
    buffer.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return buffer;
}

}  // namespace korva
