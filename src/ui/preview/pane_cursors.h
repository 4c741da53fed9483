// The cursors of the preview pane, loaded once with the pane and freed with it.
#pragma once

#include <windows.h>

#include <array>

#include "core/preview/hit_zone.h"

namespace korva {

class PaneCursors {
  public:
    PaneCursors() = default;
    ~PaneCursors() { Free(); }
    PaneCursors(const PaneCursors&) = delete;
    PaneCursors& operator=(const PaneCursors&) = delete;

    void Load(HINSTANCE instance);
    void Free();
    // The cursor of a hit zone: the module's own for moving, drawing and picking, else the system's.
    HCURSOR For(HitZone zone) const;

  private:
    // The module's cursors (owned) and the system's (shared), in the order of the slots below.
    std::array<HCURSOR, 3> own_{};
    std::array<HCURSOR, 5> system_{};
};

}  // namespace korva
