// The images the data source has written to its output folder ("Output" of the "Simulator" section of
// the driver INI file, by default the driver folder's "SCANS"): each new one is listed on the standard
// output (scripted runs) or shown in a window of its own (interactive runs).
#pragma once

#include <windows.h>

#include <set>
#include <string>

namespace korva::host {

class ScanList {
  public:
    // Remembers the images already there, so that only this run's scans are announced.
    void Start(const std::string& driverFolder, HINSTANCE instance, bool scripted);
    // Lists or shows the images written since the last call.
    void Announce();

  private:
    std::set<std::string> Images() const;

    std::string folder_;
    HINSTANCE instance_ = nullptr;
    bool scripted_ = false;
    std::set<std::string> seen_;
};

}  // namespace korva::host
