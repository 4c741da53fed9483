// Every POSIX service in one object, handing out the Services bundle.
#pragma once

#include <string>

#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_library_loader.h"
#include "platform/posix/posix_message_boxes.h"
#include "platform/posix/posix_profile.h"
#include "platform/posix/posix_string_table.h"
#include "platform/posix/posix_system_facts.h"
#include "platform/services.h"

namespace korva {

struct PosixServices {
    explicit PosixServices(std::string windowsDirectory) : system(std::move(windowsDirectory)) {}
    PosixServices(const PosixServices&) = delete;
    PosixServices& operator=(const PosixServices&) = delete;

    Services Get() { return Services{profile, files, system, libraries, messages, strings}; }

    PosixProfile profile;
    PosixFileSystem files;
    PosixSystemFacts system;
    PosixLibraryLoader libraries;
    PosixMessageBoxes messages;
    PosixStringTable strings;
};

}  // namespace korva
