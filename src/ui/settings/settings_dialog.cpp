#include "ui/settings/settings_dialog.h"

#include <algorithm>

#include "core/preview/pane_ids.h"
#include "core/settings/fixed_text.h"
#include "core/settings/settings_capture.h"
#include "core/settings/settings_paths.h"
#include "core/settings/settings_summary.h"
#include "ui/boundary/forwarders.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"
#include "ui/mainwin/picture_drawing.h"

namespace korva {
namespace {

constexpr int kList = 701;
constexpr int kSave = 702;
constexpr int kDelete = 703;
constexpr int kBatch = 724;
constexpr int kName = 725;
constexpr int kLock = 726;
constexpr int kNameCapacity = 40;  // the typed name keeps at most 39 characters

constexpr int kCaptionString = 5;
constexpr int kUserDefinedString = 13;
constexpr int kSourceUnsupportedString = 20;
constexpr int kDeleteString = 271;

// The marquee strip and the scan-all button of the main dialog.
constexpr int kZoom = 186;
constexpr int kWholeArea = 184;
constexpr int kLastZoom = 789;
constexpr int kDuplicate = 959;
constexpr int kRemove = 962;
constexpr int kLocate = 956;
constexpr int kScanAll = 729;
constexpr int kSettingsButton = 196;
constexpr int kMarqueeCount = 737;

}  // namespace

void SettingsDialog::Open() {
    if (window_) {
        ::SetActiveWindow(window_);
        return;
    }
    ::CreateDialogParamA(ui_.instance_, "Setting", ui_.mainWindow_, SettingsDialogForwarder, 0);
}

void SettingsDialog::Close() {
    if (window_) {
        ::DestroyWindow(window_);
    }
}

INT_PTR SettingsDialog::Proc(HWND window, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG:
            OnInit(window);
            return FALSE;  // the name field has the focus
        case WM_ACTIVATE:
            if (LOWORD(first) != WA_INACTIVE) {
                OnActivate();
            }
            return FALSE;
        case WM_COMMAND:
            OnCommand(LOWORD(first), HIWORD(first));
            return TRUE;
        case WM_DRAWITEM:
            DrawLock(reinterpret_cast<const DRAWITEMSTRUCT*>(second));
            return TRUE;
        case WM_CLOSE:
            OnOk();
            return TRUE;
        case WM_DESTROY:
            OnDestroy();
            return TRUE;
        default:
            return FALSE;
    }
}

void SettingsDialog::OnCommand(int id, int code) {
    switch (id) {
        case kList:
            if (code == LBN_SELCHANGE) {
                OnSelectionChange();
            }
            return;
        case kName:
            if (code == EN_CHANGE) {
                EnableItem(window_, kSave, true);
            }
            return;
        case kSave:
            OnSave();
            return;
        case kDelete:
            OnDelete();
            return;
        case kBatch:
            OnBatch();
            return;
        case IDOK:
            OnOk();
            return;
        case IDCANCEL:
            OnCancel();
            return;
        default:
            return;
    }
}

void SettingsDialog::OnInit(HWND window) {
    window_ = window;
    ui_.lastToolWindow_ = window;
    ::EnableWindow(ui_.main_.previewWindow, FALSE);
    ScanSettings& settings = ui_.settings_;
    Services services = ui_.ServicesNow();

    settings.dialogBlock = ui_.CaptureSettingsFor(BlockUse::kDialog);
    const std::vector<Marquee> marquees = ui_.MarqueeRecords();
    SaveMarqueeFile(settings, services, kMarqueeBackupFileName, marquees);
    list_ = BuildSettingsList(settings, services);
    listOpen_ = true;
    FillList();
    if (list_.NothingSelected()) {
        SetItemText(window, kName, ModuleString(ui_.instance_, kUserDefinedString));
    } else {
        SelectOnly(list_.selected);
    }
    EnableItem(window, kSave, false);  // saving waits for a name the user types
    HWND name = ::GetDlgItem(window, kName);
    ::SetFocus(name);
    ::SendMessageA(name, EM_SETSEL, 0, -1);
    EnableButtons(0);
    ShowSummary();
    settings.dialogBlockBackup = settings.dialogBlock;
    const MarqueeList& list = ui_.pane_.Marquees();
    rememberedMarquee_ = list.IsEmpty() ? 0 : list.Count() - list.IndexOfCurrent() - 1;
    const DialogPosition& position = settings.positions.settings;
    if (position.x != 0 && position.y != 0) {
        ::SetWindowPos(window, nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

void SettingsDialog::OnActivate() {
    if (!listOpen_) {
        return;
    }
    ui_.settings_.dialogBlock = ui_.CaptureSettingsFor(BlockUse::kDialog);
    ShowSummary();
}

void SettingsDialog::OnSelectionChange() {
    const std::vector<int32_t> lines = SelectedLines();
    if (!lines.empty()) {
        const auto caret = static_cast<int32_t>(::SendDlgItemMessageA(window_, kList, LB_GETCARETINDEX, 0, 0));
        if (caret == lines.front()) {
            list_.selected = caret;
            SetItemText(window_, kName, FieldText(list_.entries[static_cast<size_t>(caret)].name));
            Services services = ui_.ServicesNow();
            if (LoadSettingsBlock(list_, ui_.settings_, services) == LoadedBlock::kApply) {
                ApplyBlock(ui_.settings_.dialogBlock);
            }
            ShowSummary();
        }
        RestoreMarquees({}, lines, false);
    }
    EnableButtons(lines.size());
}

void SettingsDialog::OnSave() {
    const std::string name = TypedName();
    if (name.empty()) {
        return;
    }
    MarqueeList& marquees = ui_.pane_.Marquees();
    if (Marquee* current = marquees.Current()) {
        current->settings = ui_.CaptureSettings();
    }
    Services services = ui_.ServicesNow();
    const int32_t linesBefore = list_.Count();
    const std::vector<Marquee> records = ui_.MarqueeRecords();
    if (SaveSettingsFile(list_, ui_.settings_, services, reinterpret_cast<WindowRef>(window_), name, true, true,
                         records) == 0) {
        return;
    }
    ShowLine(list_.selected);
    if (list_.Count() > linesBefore) {
        ::SendDlgItemMessageA(window_, kList, LB_SETTOPINDEX, static_cast<WPARAM>(list_.selected), 0);
    }
    if (const Marquee* current = marquees.Current()) {
        ui_.pane_.View().currentRect = current->view;
    }
    SelectOnly(list_.selected);
    EnableButtons(1);
}

void SettingsDialog::OnOk() {
    ScanSettings& settings = ui_.settings_;
    Services services = ui_.ServicesNow();
    const std::string name = TypedName();
    int written = 0;
    if (!name.empty() && name != ModuleString(ui_.instance_, kUserDefinedString)) {
        const std::vector<Marquee> records = ui_.MarqueeRecords();
        written = SaveSettingsFile(list_, settings, services, reinterpret_cast<WindowRef>(window_), name, false, true,
                                   records);
        if (written) {
            ShowLine(list_.selected);
        }
    }
    if (!written) {
        list_.selected = list_.Count() - 1;
    }
    if (settings.dialogBlock.docSource != 0 && ui_.main_.optionUnit == 2) {
        const int answer =
            services.messages.Show(reinterpret_cast<WindowRef>(window_),
                                   ModuleString(ui_.instance_, kSourceUnsupportedString), "QXTWAIN32", mb::kOkCancel);
        if (answer == mb::kAnswerCancel) {
            return;
        }
    }
    settings.dialogBlockBackup = settings.dialogBlock;
    if (ui_.previewImage_.Exists() && settings.dialogBlock.docSource != ui_.main_.lastPreviewSource) {
        ResetPreview();
    }
    CloseSettingsList(list_, settings, services, true);
    Finish();
}

void SettingsDialog::OnCancel() {
    ScanSettings& settings = ui_.settings_;
    settings.dialogBlock = settings.dialogBlockBackup;
    ApplyBlock(settings.dialogBlock);
    RestoreMarquees(kMarqueeBackupFileName, {}, true);
    ::SendDlgItemMessageA(window_, kList, LB_SETSEL, FALSE, -1);
    list_.selected = list_.Count();
    Services services = ui_.ServicesNow();
    CloseSettingsList(list_, settings, services, false);
    Finish();
}

void SettingsDialog::OnDelete() {
    const std::vector<int32_t> lines = SelectedLines();
    if (lines.empty()) {
        return;
    }
    Services services = ui_.ServicesNow();
    const int answer =
        services.messages.Show(reinterpret_cast<WindowRef>(window_), ModuleString(ui_.instance_, kDeleteString),
                               ModuleString(ui_.instance_, kCaptionString), mb::kYesNo | mb::kIconQuestion);
    if (answer != mb::kAnswerYes) {
        return;
    }
    DeleteSettingsEntries(list_, lines);
    FillList();
    SetItemText(window_, kName, ModuleString(ui_.instance_, kUserDefinedString));
    if (LoadSettingsBlock(list_, ui_.settings_, services) == LoadedBlock::kApply) {
        ApplyBlock(ui_.settings_.dialogBlock);
    }
    ShowSummary();
    RestoreMarquees(kMarqueeBackupFileName, {}, true);
    ::SendDlgItemMessageA(window_, kList, LB_SETSEL, FALSE, -1);
    EnableButtons(0);
}

// The keys go into the INI file before the scan starts: the data source reads them when the module
// calls it for the first image.
void SettingsDialog::OnBatch() {
    const std::vector<int32_t> lines = SelectedLines();
    if (lines.empty()) {
        return;
    }
    Services services = ui_.ServicesNow();
    WriteBatchKeys(list_, ui_.settings_, services, lines);
    list_ = SettingsList{};  // the batch keeps what was saved and deleted nothing
    listOpen_ = false;
    HWND main = ui_.mainWindow_;
    Finish();
    ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(kScanAll, BN_CLICKED), 0);
}

void SettingsDialog::OnDestroy() {
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    ui_.settings_.positions.settings = DialogPosition{rect.left, rect.top};
    if (listOpen_) {
        Services services = ui_.ServicesNow();
        CloseSettingsList(list_, ui_.settings_, services, false);
        listOpen_ = false;
    }
    ::EnableWindow(ui_.main_.previewWindow, TRUE);
    if (ui_.lastToolWindow_ == window_) {
        ui_.lastToolWindow_ = nullptr;
    }
    window_ = nullptr;
}

void SettingsDialog::DrawLock(const DRAWITEMSTRUCT* item) const {
    if (item->CtlID != kLock) {
        return;
    }
    // A square of the item's shorter side, so the lock keeps its proportions.
    const PictureChoice choice{ui_.settings_.dialogBlock.imageLocked != 0 ? "LSHUT" : "LOPEN", PictureFit::kSquare};
    FillWithBackground(item->hDC, item->rcItem);
    DrawPicture(ui_.instance_, item->hDC, item->rcItem, choice);
}

std::vector<int32_t> SettingsDialog::SelectedLines() const {
    HWND box = ::GetDlgItem(window_, kList);
    const auto count = static_cast<int>(::SendMessageA(box, LB_GETSELCOUNT, 0, 0));
    std::vector<int> items(static_cast<size_t>(std::max(count, 0)));
    if (!items.empty()) {
        ::SendMessageA(box, LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
    }
    std::vector<int32_t> lines(items.begin(), items.end());
    if (lines.size() > kMaxSelectedEntries) {
        lines.resize(kMaxSelectedEntries);
    }
    return lines;
}

std::string SettingsDialog::TypedName() const {
    return CleanSettingsName(ItemText(window_, kName, kNameCapacity));
}

void SettingsDialog::FillList() {
    HWND box = ::GetDlgItem(window_, kList);
    ::SendMessageA(box, LB_RESETCONTENT, 0, 0);
    for (const SettingsEntry& entry : list_.entries) {
        const std::string name = FieldText(entry.name);
        ::SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

// The line of entry `index` shows the entry's name; a new entry's line is added at the end.
void SettingsDialog::ShowLine(int32_t index) {
    if (index < 0 || index >= list_.Count()) {
        return;
    }
    HWND box = ::GetDlgItem(window_, kList);
    const std::string name = FieldText(list_.entries[static_cast<size_t>(index)].name);
    if (index < static_cast<int32_t>(::SendMessageA(box, LB_GETCOUNT, 0, 0))) {
        ::SendMessageA(box, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    }
    ::SendMessageA(box, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name.c_str()));
}

void SettingsDialog::SelectOnly(int32_t index) {
    HWND box = ::GetDlgItem(window_, kList);
    ::SendMessageA(box, LB_SETSEL, FALSE, -1);
    ::SendMessageA(box, LB_SETSEL, TRUE, index);
    ::SendMessageA(box, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

// The first entries of the list are presets that stay; a batch needs more than one setting.
void SettingsDialog::EnableButtons(size_t selectedLines) {
    EnableItem(window_, kDelete, selectedLines > 0 && list_.selected > ui_.settings_.presetSettings);
    EnableItem(window_, kBatch, selectedLines >= 2);
}

void SettingsDialog::ShowSummary() {
    for (const SummaryLine& line :
         SummarizeSettings(ui_.settings_.dialogBlock, ui_.settings_, ui_.main_.optionUnit, ui_.services_.strings)) {
        SetItemText(window_, line.control, line.text);
        if (line.control == 745) {
            SetItemText(ui_.mainWindow_, 786, line.text);  // the focus readout beside the preview
        }
    }
    ::InvalidateRect(::GetDlgItem(window_, kLock), nullptr, TRUE);
}

// Loads a block into the settings and the main dialog's controls, as selecting a marquee does.
void SettingsDialog::ApplyBlock(const SettingsBlock& block) {
    ui_.RunPaneActions({ApplySettings{block}});
    ::SendDlgItemMessageA(ui_.mainWindow_, 138, CB_SETCURSEL, static_cast<WPARAM>(ui_.settings_.displayUnit), 0);
}

// Replaces the marquee list with the marquees of a file of the settings folder or of the selected
// entries, in file order, and repaints the pane with their outlines. With `saveValues` the marquee that
// was current when the dialog opened is current again.
void SettingsDialog::RestoreMarquees(std::string_view fileName,
                                     std::span<const int32_t> selectedLines,
                                     bool saveValues) {
    MarqueeList& list = ui_.pane_.Marquees();
    HWND main = ui_.mainWindow_;
    ui_.pane_.View().currentRect = Rect{};
    list.Clear();
    Services services = ui_.ServicesNow();
    for (const Marquee& record :
         ReadMarqueesForRestore(list_, ui_.settings_, services, fileName, selectedLines, list_.selected)) {
        list.AddStored(record, list.IsEmpty());
    }
    if (list.IsEmpty()) {
        for (int id : {kDuplicate, kRemove, kZoom, kScanAll}) {
            EnableItem(main, id, false);
        }
        SetItemText(main, kMarqueeCount, "0");
        ui_.RepaintPreview();
        return;
    }
    if (saveValues) {
        list.MakeCurrentByIndex(list.Count() - rememberedMarquee_ - 1);
    }
    const SettingsBlock block = list.Current()->settings;
    ui_.pane_.View().currentRect = list.Current()->view;
    SetItemText(main, kMarqueeCount, std::to_string(list.Count()));
    ui_.MarkChanged();
    ::PostMessageA(main, pane::kMsgMarqueeChanged, 0, 0);
    ApplyBlock(block);
    ui_.RepaintPreview();
    const bool zoomAllowed = ui_.settings_.docSource < 1 || ui_.main_.optionUnit != 0;
    for (int id : {kDuplicate, kRemove, kLocate}) {
        EnableItem(main, id, true);
    }
    EnableItem(main, kZoom, zoomAllowed);
    EnableItem(main, kScanAll, zoomAllowed && list.Count() >= 2);
}

// The source differs from the one the preview shows: the preview and what depends on it go.
void SettingsDialog::ResetPreview() {
    HWND main = ui_.mainWindow_;
    SetItemText(main, kMarqueeCount, "0");
    for (int id : {kDuplicate, kRemove, kZoom, kLastZoom, kWholeArea, kScanAll, kSettingsButton}) {
        EnableItem(main, id, false);
    }
    ui_.previewImage_.Reset();
    ui_.pane_.View().viewWidth = 1;
    ui_.pane_.View().viewHeight = 1;
    ::EnableWindow(ui_.main_.previewWindow, FALSE);
}

void SettingsDialog::Finish() {
    listOpen_ = false;
    ::DestroyWindow(window_);
    ui_.RepaintPreview();
}

}  // namespace korva
