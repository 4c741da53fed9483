// What activation brings back of the last run: the preview with its image settings, the marquees of the
// environment file, the tab's selection and size choice.
#include "core/mainwin/document_sizes.h"
#include "core/mainwin/ocr_options.h"
#include "core/settings/image_settings.h"
#include "core/settings/settings_list.h"
#include "core/settings/settings_paths.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kUnsharpBox = 1018;
constexpr int kSizeButtonCommand = BN_CLICKED;

}  // namespace

void ScanUI::RestoreAfterActivation() {
    Services services = ServicesNow();
    if (settings_.saveValues == 1 && main_.lastPreviewSource == settings_.docSource && ReadPreviewFile()) {
        LoadImageSettings(settings_, pane_.View(), services, pane_.View().viewWidth, pane_.View().viewHeight);
        if (main_.aas || main_.tet) {
            settings_.iproc[iproc::kThreshold] = ParameterDefault(iproc::kThreshold, settings_.focusPosition);
        }
        if (settings_.tabFlag == 1 || settings_.colorMatchActive) {
            ResetImageProcessing({.threshold = true, .invert = true});
            CopyCurrentToneMap(settings_);
        }
        if (settings_.tabFlag == 1 && main_.aas) {
            pane_.View().currentRect = Rect{};
            AutoExposeSelection();
            pane_.View().currentRect = settings_.ocr.selectRect;
        }
    }
    main_.previewInProgress = 0;
    RestoreEnvironmentMarquees();

    ::ShowWindow(mainWindow_, SW_SHOW);
    // The pages were shown while the dialog was still hidden: everything is painted afresh.
    ::RedrawWindow(mainWindow_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    ::SetFocus(::GetDlgItem(mainWindow_, 1));

    if (settings_.tabFlag == 0) {
        EnablePhotoPictureButtons();
    }
    HWND page = ActivePage();
    TabPageSettings& tab = ActiveTab();
    if (!previewImage_.Exists()) {
        CheckSizeChoice(page, kSizeMax);
        tab.paperSize = kSizeMax;
        CheckItem(main_.photoPage, kUnsharpBox, settings_.unsharpMask == 1);
    } else if (settings_.saveValues == 1) {
        CheckSizeChoice(page, tab.paperSize);
        pane_.View().currentRect = tab.selectRect;
        CheckItem(main_.photoPage, kUnsharpBox, settings_.unsharpMask == 1);
        const Rect& selection = pane_.View().currentRect;
        const bool wholePreview = selection.IsEmpty() || (selection.right - selection.left >= pane_.View().viewWidth &&
                                                          selection.bottom - selection.top >= pane_.View().viewHeight);
        if (pane_.Marquees().IsEmpty() || wholePreview) {
            pane_.Marquees().Clear();
        }
        RepaintPreview();
    } else {
        ::SendMessageA(main_.ocrPage, WM_COMMAND, MAKEWPARAM(settings_.ocr.paperSize, kSizeButtonCommand), 0);
    }
    RefreshSizeDisplay();
    RefreshMarqueeStrip();
    RestoreZoomEnvironment();
}

// The marquees of the last run, from the environment file; the one at "Current Marquee" (counted from the
// end of the list) becomes current.
void ScanUI::RestoreEnvironmentMarquees() {
    Services services = ServicesNow();
    MarqueeList& list = pane_.Marquees();
    list.Clear();
    const SettingsList none;
    const std::vector<Marquee> records = ReadMarqueesForRestore(none, settings_, services, kEnvironmentFileName, {}, 0);
    for (const Marquee& record : records) {
        list.AddStored(record, list.IsEmpty());
    }
    if (!list.IsEmpty() && settings_.saveValues == 1) {
        list.MakeCurrentByIndex(list.Count() - settings_.currentMarquee - 1);
    }
    SyncPaneSettings();
    RunPaneActions(pane_.MarqueesRestored());
}

}  // namespace korva
