// A preview, zoom or focus bitmap file in the driver folder, read back as the module reads it.
#include "core/preview/image_files.h"
#include "platform/posix/posix_services.h"
#include "support/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korva;
    static const test::TempDir dir;
    static PosixServices posix{dir.path()};
    static bool prepared = false;
    if (!prepared) {
        dir.WriteFile("\\LOMTWNS.ini", "[Settings]\r\nSrc Size=1024\r\n");
        prepared = true;
    }
    dir.WriteFile("\\PREVIB7.BMP", std::string(reinterpret_cast<const char*>(data), size));
    const ImageReadContext context{posix.profile, dir.Win("\\LOMTWNS.ini"), 1024};
    PackedDib slot;
    if (ReadImageFile(posix.files, context, dir.Win("\\PREVIB7.BMP"), slot) && !ParsePackedDib(slot)) {
        __builtin_trap();  // a bitmap the reader accepted must be one the rest of the module can use
    }
    return 0;
}
