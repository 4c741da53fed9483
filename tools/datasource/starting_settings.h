// What the application negotiated becomes the module's starting settings: before the module opens, the
// values it has a setting for (units, pixel type, resolution, the area to scan) are written to the driver
// INI file the module reads them from. Values the application left alone keep the user's settings.
#pragma once

#include <string>

#include "platform/profile.h"
#include "tools/datasource/twain_session.h"

namespace korva::sim {

void WriteStartingSettings(Profile& profile, const std::string& iniPath, TwainSession& session);

}  // namespace korva::sim
