// The images the host has received: each is listed on the standard output (scripted runs) or shown in a
// window of its own (interactive runs).
#pragma once

#include <windows.h>

#include <string>

namespace korva::host {

class ScanList {
  public:
    void Start(HINSTANCE instance, bool scripted);
    // Lists or shows the image file.
    void Announce(const std::string& path);

  private:
    HINSTANCE instance_ = nullptr;
    bool scripted_ = false;
};

}  // namespace korva::host
