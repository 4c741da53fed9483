// System facts on POSIX: plain values chosen by whoever sets up the program (a temporary folder as the
// Windows directory in tests, the screen of the machine the logic is meant for).
#pragma once

#include <string>

#include "platform/system_facts.h"

namespace korva {

class PosixSystemFacts final : public SystemFacts {
  public:
    explicit PosixSystemFacts(std::string windowsDirectory) : windowsDirectory_(std::move(windowsDirectory)) {}

    std::string WindowsDirectory() override { return windowsDirectory_; }
    int ScreenWidth() override { return screenWidth; }
    int CaptionHeight() override { return captionHeight; }
    OsVersion Version() override { return version; }
    char DecimalSeparator() override { return decimalSeparator; }

    int screenWidth = 1024;
    int captionHeight = 18;
    OsVersion version;
    char decimalSeparator = '.';

  private:
    std::string windowsDirectory_;
};

}  // namespace korva
