// One file given as a saved setting (".set"), the environment file and the marquee backup, and read by
// every reader of that format: the list of saved settings, the block load and the marquee restore.
#include <vector>

#include "core/settings/driver_settings.h"
#include "core/settings/settings_list.h"
#include "platform/posix/posix_services.h"
#include "support/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korva;
    static const test::TempDir dir;
    static PosixServices posix{dir.path()};
    static bool prepared = false;
    Services services = posix.Get();
    static ScanSettings loaded;
    if (!prepared) {
        dir.WriteFile("\\TWAIN_32\\VELDRIX\\LOMTWNS.ini", "[QXTWAINds]\r\nVersion=1.10E\r\n");
        LoadDriverSettings(loaded, services);
        prepared = true;
    }
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string folder = "\\TWAIN_32\\VELDRIX\\SETTINGS\\";
    for (const char* name : {"ENV0000.set", "Env.stt", "mrqsav.tmp"}) {
        dir.WriteFile(folder + name, bytes);
    }
    ScanSettings settings = loaded;
    SettingsList list = BuildSettingsList(settings, services);
    list.selected = 0;
    LoadSettingsBlock(list, settings, services);
    ReadMarqueesForRestore(list, settings, services, "", {}, 0);
    ReadMarqueesForRestore(list, settings, services, "Env.stt", {}, 0);
    ReadMarqueesForRestore(list, settings, services, "mrqsav.tmp", {}, 0);
    return 0;
}
