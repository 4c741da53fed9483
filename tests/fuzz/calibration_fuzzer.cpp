// Calibration files (".cal") in the calibration folder: the printer list and the screen calibration.
#include <vector>

#include "core/boundary/source_context.h"
#include "core/settings/calibration.h"
#include "core/settings/driver_settings.h"
#include "platform/posix/posix_services.h"
#include "support/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korva;
    static const test::TempDir dir;
    static PosixServices posix{dir.path()};
    Services services = posix.Get();
    static ScanSettings loaded;
    static bool prepared = false;
    if (!prepared) {
        dir.WriteFile("\\TWAIN_32\\VELDRIX\\LOMTWNS.ini", "[QXTWAINds]\r\nVersion=1.10E\r\n");
        LoadDriverSettings(loaded, services);
        prepared = true;
    }
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    dir.WriteFile("\\TWAIN\\CALIBRAT\\SCREEN.cal", bytes);
    dir.WriteFile("\\TWAIN\\CALIBRAT\\OTHER.cal", bytes);
    std::vector<uint8_t> block(kSourceContextSize, 0);
    SourceContext context{block.data()};
    context.Set(ctx::level, 2);
    context.Set(ctx::printerPresetCount, 6);
    ScanSettings settings = loaded;
    BuildPrinterList(settings, services, context);
    ReadScreenCalibration(settings, services, "Screen");
    CheckScreenCalibration(settings, services, context);
    return 0;
}
