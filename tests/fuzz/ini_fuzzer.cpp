// The driver INI file as a user or another program may have left it: the driver settings, the three
// catalogue lists and the image settings are read from it through the POSIX profile.
#include <vector>

#include "core/boundary/source_context.h"
#include "core/settings/catalogue_build.h"
#include "core/settings/driver_settings.h"
#include "core/settings/image_settings.h"
#include "platform/posix/posix_services.h"
#include "support/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korva;
    static const test::TempDir dir;
    static PosixServices posix{dir.path()};
    // The current version comes first, so that the settings are read rather than reset.
    dir.WriteFile("\\TWAIN_32\\VELDRIX\\LOMTWNS.ini",
                  "[QXTWAINds]\r\nVersion=1.10E\r\n" + std::string(reinterpret_cast<const char*>(data), size));
    Services services = posix.Get();
    ScanSettings settings;
    LoadDriverSettings(settings, services);
    std::vector<uint8_t> block(kSourceContextSize, 0);
    const SourceContext context{block.data()};
    BuildCatalogues(settings, services, context);
    PreviewView view;
    LoadImageSettings(settings, view, services, 340, 440);
    return 0;
}
