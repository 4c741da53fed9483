// The one user-interface object: every window, buffer and setting of the user interface. Its dialog
// and window procedures are member operations reached through the fixed forwarders.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/boundary/source_context.h"
#include "core/imaging/colour_match.h"
#include "core/imaging/rendered_image.h"
#include "core/preview/preview_window_model.h"
#include "core/settings/image_processing_reset.h"
#include "core/settings/scan_settings.h"
#include "core/settings/settings_capture.h"
#include "core/tone/tone_curve.h"
#include "platform/win32/win32_services.h"
#include "ui/boundary/scan_ui_base.h"
#include "ui/mainwin/focus_window.h"
#include "ui/mainwin/advanced_window.h"
#include "ui/mainwin/gdi_objects.h"
#include "ui/mainwin/main_window_state.h"
#include "ui/mainwin/parameter_window.h"
#include "ui/preview/global_dib.h"
#include "ui/tone/tone_dialog.h"
#include "ui/preview/pane_cursors.h"
#include "ui/settings/settings_dialog.h"
#include "ui/settings/catalogue_window.h"

namespace korva {

class ScanUI final : public ScanUIBase, private SettingsCapture, private FocusWindowHost {
  public:
    explicit ScanUI(HINSTANCE instance);
    ~ScanUI() override;

    void MarkChanged() override { changed_ = 1; }

    // Lifecycle (the exports call these).
    bool Activate(HWND parent);
    BOOL HideMain();
    void DestroyWindows();
    void FreeBuffers();
    bool RouteDialogMessage(MSG* message);

    // Member procedures behind the forwarders.
    INT_PTR MainDialogProc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR AltMainDialogProc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR OcrPageProc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR PhotoPageProc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR ConfigDialogProc(HWND window, UINT message, WPARAM first, LPARAM second);
    LRESULT PreviewWndProc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR ToneDialogProc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR SettingsDialogProc(HWND window, UINT message, WPARAM first, LPARAM second) {
        return settingsDialog_.Proc(window, message, first, second);
    }
    INT_PTR FocusDialogProc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR AdvancedWindowProc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR ToolsWindowProc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR ColorWindowProc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR ImageTypeCustomiserProc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR DestinationCustomiserProc(HWND window, UINT message, WPARAM first, LPARAM second);

    HWND MainWindow() const { return mainWindow_; }

    // Owner-drawn pictures: every dialog procedure of the module passes its WM_DRAWITEM here.
    void DrawItem(HWND dialog, const DRAWITEMSTRUCT* item);
    // Draws a colour swatch with a bevel into the rectangle (0, 0, width + 3, height + 3) of `dc`; with no
    // device context, into control `controlId` of the Tools window (232, 233) or the Color window (433).
    void DrawSwatch(HDC dc, int controlId, COLORREF colour, int width, int height);

  private:
    friend class SettingsDialog;
    // The adjustment windows move values between their controls and the settings of this object.
    friend class AdvancedWindow;
    friend class ParameterWindow;
    friend class CatalogueWindow;
    friend class ModelessWindow;

    SourceContext Context() const;
    Services ServicesNow() { return services_.Get(); }
    int32_t DeviceLevel() const;

    // Activation and the main dialog (main_dialog.cpp).
    bool CreateMainDialog(HWND parent);
    void CreatePages();
    void PlacePages();
    void ShowActivePage();
    void RestoreAfterActivation();
    void RestoreEnvironmentMarquees();
    void InitMainDialog(HWND window);
    void OnMainCommand(HWND window, int id, int code, HWND control);
    void OnMainSysCommand(HWND window, WPARAM command);
    void OnMainSetCursor(HWND control);
    void OnMainDestroy(HWND window);
    void RememberWindowPosition();
    void OnSizeEditDone(WPARAM first, LPARAM second);

    // The command handler shared by the main dialog and the pages (commands.cpp).
    void HandleCommand(HWND window, int id, int code, HWND control);
    void PreviewButton();
    void ScanButton();
    void CloseButton();
    void CloseFromSystemMenu();
    void OpenConfiguration();
    void OpenHelp();
    void OnSizeFieldCommand(int id, int code);
    void CommitTypedSize(int id);

    // Switching between the tab pages (tab_switch.cpp).
    void SwitchTab(POINT screenPoint);
    void SelectTab(int32_t ocr);
    void SwitchTo(int32_t ocr);
    void RestoreTabSelection();

    // Keys the dialog manager does not know: the page keys and Enter on a picture button (keyboard.cpp).
    bool HandleModuleKey(const MSG& message);
    bool HandlePageKey(const MSG& message);
    bool PressFocusedPicture(const MSG& message);
    HWND ActiveTabLabel() const;
    void UpdateTabLabels();

    // The tab pages (tab_pages.cpp, page_commands.cpp).
    INT_PTR PageProc(HWND window, UINT message, WPARAM first, LPARAM second, bool ocr);
    void InitPage(HWND page, bool ocr);
    void InitMainSettings(HWND dialog);
    void FillSourceList(HWND dialog);
    void ResetImageProcessing(ResetKeeps keeps);
    void ShowResolution(HWND page);
    int32_t ResolutionListIndex(int32_t resolution) const;
    void OnResolutionField(HWND page, int code);
    void OnDocumentSize(int id);
    void OnOcrOption(HWND page, int id);
    void ApplyOcrOption(HWND page, int32_t option);
    void OnThresholdEdit(HWND page);
    void OnQuality(HWND page);
    void OnColourChoice(HWND page, int id);
    void OnAutoScan(HWND page);
    void OnAutoLocate(HWND page);
    void AutoExposeSelection();
    void OnAutoExposure();
    void OnParameterScroll(HWND window, int code, int16_t thumb, HWND scrollBar);
    void EnablePhotoPictureButtons();
    void CheckSizeChoice(HWND page, int32_t id);
    HWND ActivePage() const;
    TabPageSettings& ActiveTab();
    CatalogueRow* CurrentImageTypeRow();
    void UpdateDarkDocument();
    void UpdateColourMatching();

    // The size fields and the file-size readout (size_fields.cpp).
    void RefreshSizeDisplay();
    void InitUnitCombo(HWND dialog);
    int ReformatSizeField(HWND dialog, int control, const std::string& previous, std::string& output);
    void CommitSizeField(HWND dialog, int control, const std::string& previous);
    void ApplySizeFieldEdit(LPARAM argument);
    void ChangeDisplayUnit();
    void ApplyScaleEntry(HWND dialog);
    int32_t ResolutionFromField();

    // Scans (scan_commands.cpp).
    void RunFinalScan();
    void ScanAllMarquees();
    void NextMarquee();
    void SelectBatchMarquee();
    void OnBusyMessage(WPARAM busy, LPARAM code);
    void SaveDriverSettingsNow();

    // The advanced panel and the adjustment windows (adjustment_windows.cpp).
    void ToggleAdvancedWindow();
    void CloseToolWindows();
    void ToggleInvert();
    void OnParameterChanged();
    void OnScaleScroll(HWND window, int code, int16_t thumb);
    void ArmEyedropper(int tool);
    bool CustomiseCatalogue(CatalogueKind kind);
    void OnPickColour(Point point, uint16_t tool);
    void RefreshAdjustmentWindows();
    bool GrayBalanceApplies() const;
    HWND SizeFieldWindow(int id) const;

    // The status line (hint_line.cpp).
    void ShowHint(int hintString);

    // The configuration dialog (config_dialog.cpp).
    void OnConfigInit(HWND window);
    void OnConfigOk(HWND window);
    void OnConfigCancel(HWND window);

    // The preview pane (preview_pane.cpp, preview_request.cpp).
    const PaneSettings& SyncPaneSettings();
    void RegisterPreviewClass();
    void ComputePaneGeometry();
    bool CreatePreviewWindow();
    void PlacePreviewWindow(bool exact);
    void FitPaneToPicture();
    void RepaintPreview();
    void PaintPreview(HWND window);
    void InvalidateFocusFrame(HWND window);
    void DrawAdjustedPreview(HDC dc);
    // Colour matching of the working copy (colour_match.cpp); false when the run must end without drawing.
    bool Match(const std::vector<uint8_t>& header, RenderedImage& image, HDC pane);
    void MatchThroughSystem(const ColourMatchPlan& plan,
                            const std::vector<uint8_t>& header,
                            RenderedImage& image,
                            HDC pane);
    void ReleasePanePalette();
    void UpdatePanePlacement(HWND window);
    void InvertOutline(HDC dc, const Rect& rect);
    void DrawSelectionOutlines();
    void RunPaneActions(const PaneActions& actions);
    void ReportMarqueeNotAdded();
    bool RunPreviewScan();
    bool ReadPreviewFile();
    bool ReadImageIntoPreview(const char* file);
    void WritePreviewImageTo(const char* file);
    void AdoptPreviewImage(HGLOBAL block);
    void WritePreviewFile();
    void ClearSelection();
    void SelectMarquee(const Rect& rect);
    void LoadMarqueeSettings(const SettingsBlock& block);
    SettingsBlock CaptureSettings() override;
    SettingsBlock CaptureSettingsFor(BlockUse use);
    std::vector<Marquee> MarqueeRecords();  // the marquees from the head of the list

    // The marquee strip: zoom and back, the last zoom again, the "Zoom" environment (zoom_commands.cpp).
    enum class ZoomRequest {
        kScan,       // zoom (186): the data source scans the zoom
        kShowAgain,  // the last zoom (789): its picture when it belongs to the current marquee, else a scan
        kRestore,    // at activation: only the kept picture, never a scan
    };
    void ZoomIntoMarquee(ZoomRequest request);
    void BackToFullPreview();
    void RestoreZoomEnvironment();
    void RefreshMarqueeStrip();
    void RecreatePreviewWindow();
    void FitMainDialogToPane();
    void RestoreMainDialogSize();

    // The focus window and the focus run (focus_commands.cpp).
    void OpenFocusWindow();
    void RunFocus();
    void ScrollFocusPosition(HWND window, int code, int16_t thumb, HWND scrollBar) override;
    int32_t FocusTenths() const override;
    void SetFocusTenths(int32_t tenths) override;
    void SetToolWindow(HWND window) override;

    // The tab captions drawn over the tab pictures (owner_draw.cpp).
    void DrawTabCaptions(HWND dialog);
    HFONT CaptionFontHandle();

    // The Tone Correction window (tone_window.cpp).
    void OpenToneDialog();
    void RedrawForDialog();

    HINSTANCE instance_;
    Win32Services services_;

    // Windows and the procedure slots in which their forwarders are installed while they exist.
    HWND mainWindow_ = nullptr;
    DLGPROC mainProc_ = nullptr;
    HWND altWindow_ = nullptr;
    DLGPROC altProc_ = nullptr;
    HWND lastToolWindow_ = nullptr;  // the tool window that IsDialogMsg serves

    OwnedFont captionFont_;  // the tab captions' font, made on first use

    int32_t useAltProc_ = 0;
    int32_t busy_ = 0;
    int32_t changed_ = 0;

    ScanSettings settings_;
    MainWindowState main_;
    PreviewWindowModel pane_{*this};
    GlobalDib previewImage_;
    AdvancedWindow advanced_{*this};
    ParameterWindow tools_{*this, "TOOLS", kToolsParameters, kToolsEyedroppers, settings_.positions.tools};
    CatalogueWindow imageTypeCustomiser_{*this, CatalogueKind::kImageTypes};
    CatalogueWindow destinationCustomiser_{*this, CatalogueKind::kDestinations};
    ParameterWindow color_{*this, "COLOR", kColorParameters, kColorEyedroppers, settings_.positions.color};
    ToneTables toneTables_;           // the curves and tables the last rendering of the pane left behind
    HPALETTE panePalette_ = nullptr;  // the logical palette selected for an indexed picture
    ToneDialog toneDialog_{instance_, settings_, [this] { RedrawForDialog(); }};
    PaneCursors paneCursors_;         // loaded with the preview pane, freed with it

    SettingsDialog settingsDialog_{*this};
    PreviewView fullView_;            // the full preview's geometry, kept while a zoom is shown
    ZoomRecord shownZoom_;            // the zoom shown
    SIZE dialogTemplateSize_{};       // the main dialog's size before the pane first changed it
    FocusWindow focusWindow_{*this};
    GlobalDib focusImage_;  // what the data source returned for the last focus run
};

}  // namespace korva
