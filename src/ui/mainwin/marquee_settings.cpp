// A marquee's settings brought into force: the model, every control that shows them, and the preview
// drawn again with them.
#include "core/settings/settings_capture.h"
#include "ui/boundary/scan_ui.h"

namespace korva {
namespace {

constexpr int kSourceList = 111;
constexpr int kUnitCombo = 138;
constexpr int kColourPhoto = 990;
constexpr int kBlackWhitePhoto = 991;
constexpr int32_t kColourImageType = 1;
constexpr int32_t kBlackWhiteImageType = 4;

}  // namespace

void ScanUI::LoadMarqueeSettings(const SettingsBlock& block) {
    SourceContext context = Context();
    ApplySettingsBlock(settings_, pane_.View(), context, block, services_.strings, true);
    if (const Marquee* current = pane_.Marquees().Current()) {
        pane_.View().currentRect = current->view;  // the marquee's own outline, not the one captured with it
    }
    TabPageSettings& tab = ActiveTab();
    tab.feedOption = settings_.docSource;
    tab.resolution = settings_.scanResolution;
    HWND page = ActivePage();
    ::SendDlgItemMessageA(page, kSourceList, CB_SETCURSEL, static_cast<WPARAM>(settings_.docSource), 0);
    if (settings_.tabFlag == 0 &&
        (settings_.imageTypes.current == kColourImageType || settings_.imageTypes.current == kBlackWhiteImageType)) {
        settings_.colorSelection =
            settings_.imageTypes.current == kBlackWhiteImageType ? kBlackWhitePhoto : kColourPhoto;
        ::CheckRadioButton(page, kColourPhoto, kBlackWhitePhoto, settings_.colorSelection);
    }
    ::SendDlgItemMessageA(mainWindow_, kUnitCombo, CB_SETCURSEL, static_cast<WPARAM>(settings_.displayUnit), 0);
    UpdateDarkDocument();
    UpdateColourMatching();
    ShowResolution(page);
    RefreshSizeDisplay();
    RepaintPreview();
}

}  // namespace korva
