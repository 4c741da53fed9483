// The platform services handed to the logic: one interface per service, bundled for passing around.
#pragma once

#include "platform/file_system.h"
#include "platform/library_loader.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "platform/string_table.h"
#include "platform/system_facts.h"

namespace korva {

struct Services {
    Profile& profile;
    FileSystem& files;
    SystemFacts& system;
    LibraryLoader& libraries;
    MessageBoxes& messages;
    StringTable& strings;
};

}  // namespace korva
