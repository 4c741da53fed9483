// The saved-settings dialog "Setting": a modeless window owned by the main dialog in which the user
// saves the current settings and marquees under a name, recalls and combines saved ones, deletes them,
// and hands a selection to the data source as a batch.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/settings_block.h"
#include "core/settings/settings_list.h"

namespace korva {

class ScanUI;

class SettingsDialog {
  public:
    explicit SettingsDialog(ScanUI& ui) : ui_(ui) {}
    SettingsDialog(const SettingsDialog&) = delete;
    SettingsDialog& operator=(const SettingsDialog&) = delete;

    // Creates the window, or brings it forward when it is open.
    void Open();
    // Destroys the window when it is open; files written while it was open go with it.
    void Close();

    INT_PTR Proc(HWND window, UINT message, WPARAM first, LPARAM second);

  private:
    void OnInit(HWND window);
    void OnActivate();
    void OnCommand(int id, int code);
    void OnSelectionChange();
    void OnSave();
    void OnOk();
    void OnCancel();
    void OnDelete();
    void OnBatch();
    void OnDestroy();
    void DrawLock(const DRAWITEMSTRUCT* item) const;

    std::vector<int32_t> SelectedLines() const;
    std::string TypedName() const;
    void FillList();
    void ShowLine(int32_t index);
    void SelectOnly(int32_t index);
    void EnableButtons(size_t selectedLines);
    void ShowSummary();
    void ApplyBlock(const SettingsBlock& block);
    void RestoreMarquees(std::string_view fileName, std::span<const int32_t> selectedLines, bool saveValues);
    void ResetPreview();
    void Finish();

    ScanUI& ui_;
    HWND window_ = nullptr;
    SettingsList list_;
    bool listOpen_ = false;
    int32_t rememberedMarquee_ = 0;  // the current marquee when the dialog opened, counted from the end
};

}  // namespace korva
