// The modal customisation windows "SCANMODE" (image types) and "TARGMODE" (destinations): the user's
// own rows are added, renamed and deleted on a working copy that OK writes to the INI file.
#pragma once

#include <windows.h>

#include "core/settings/catalogue_edit.h"

namespace korva {

class ScanUI;

enum class CatalogueKind { kImageTypes, kDestinations };

class CatalogueWindow {
  public:
    CatalogueWindow(ScanUI& ui, CatalogueKind kind) : ui_(ui), kind_(kind) {}
    CatalogueWindow(const CatalogueWindow&) = delete;
    CatalogueWindow& operator=(const CatalogueWindow&) = delete;

    // Runs the window; true when the user pressed OK.
    bool Run(HINSTANCE instance, HWND owner, DLGPROC forwarder);

    INT_PTR Proc(HWND window, UINT message, WPARAM first, LPARAM second);

  private:
    void OnInit(HWND window);
    void FillNames();
    void ShowRow(int32_t index);
    CatalogueRow RowFromControls() const;
    void OnSave();
    void OnRename();
    void OnDelete();
    void OnOk();
    Catalogue& Target() const;
    bool Ask(int question) const;

    ScanUI& ui_;
    CatalogueKind kind_;
    HWND window_ = nullptr;
    CatalogueEdit edit_;
    int32_t selected_ = -1;  // the row last chosen in the name list
};

}  // namespace korva
