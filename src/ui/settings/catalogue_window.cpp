#include "ui/settings/catalogue_window.h"

#include <cstdlib>
#include <string>

#include "core/settings/catalogue_build.h"
#include "core/settings/fixed_text.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kNameList = 401;
constexpr int kSaveButton = 402;
constexpr int kDeleteButton = 403;
constexpr int kRenameButton = 404;
constexpr int kNameCharacters = 40;
constexpr int kReplaceQuestion = 270;
constexpr int kDeleteQuestion = 271;
constexpr int kCaptionString = 5;

// An option list of the window: its control, the value of the row it shows, its first string and how
// many strings it offers.
struct OptionList {
    int control;
    int value;
    int firstString;
    int count;
};
constexpr OptionList kImageTypeLists[] = {
    {410, image_type::kPixelType, 200, 6}, {415, image_type::kHalftone, 130, 8},   {420, image_type::kDropout, 210, 4},
    {425, image_type::kQuality, 225, 2},   {430, image_type::kTextOption, 227, 3},
};
constexpr OptionList kLevelList = {314, destination::kLevel, 450, 5};
constexpr int kLowResolutionList = 330;
constexpr int kHighResolutionList = 313;
// Devices of this level scan only the first three pixel types.
constexpr int32_t kThreeTypeLevel = 4;

int32_t Selection(HWND window, int id) {
    return static_cast<int32_t>(::SendDlgItemMessageA(window, id, CB_GETCURSEL, 0, 0));
}

}  // namespace

bool CatalogueWindow::Run(HINSTANCE instance, HWND owner, DLGPROC forwarder) {
    const char* name = kind_ == CatalogueKind::kImageTypes ? "SCANMODE" : "TARGMODE";
    return ::DialogBoxParamA(instance, name, owner, forwarder, 0) == IDOK;
}

Catalogue& CatalogueWindow::Target() const {
    return kind_ == CatalogueKind::kImageTypes ? ui_.settings_.imageTypes : ui_.settings_.destinations;
}

INT_PTR CatalogueWindow::Proc(HWND window, UINT message, WPARAM first, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            OnInit(window);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(first)) {
                case kNameList:
                    if (HIWORD(first) == CBN_SELCHANGE) {
                        ShowRow(Selection(window, kNameList));
                    }
                    return TRUE;
                case kSaveButton:
                    OnSave();
                    return TRUE;
                case kRenameButton:
                    OnRename();
                    return TRUE;
                case kDeleteButton:
                    OnDelete();
                    return TRUE;
                case IDOK:
                    OnOk();
                    return TRUE;
                case IDCANCEL:
                    ::EndDialog(window, IDCANCEL);
                    return TRUE;
                default:
                    return FALSE;
            }
        case WM_DESTROY:
            window_ = nullptr;
            return TRUE;
        default:
            return FALSE;
    }
}

void CatalogueWindow::OnInit(HWND window) {
    window_ = window;
    const bool imageTypes = kind_ == CatalogueKind::kImageTypes;
    edit_ = BeginCatalogueEdit(Target(), imageTypes ? kBuiltinImageTypes : kBuiltinDestinations);
    auto fill = [&](const OptionList& list) {
        int count = list.count;
        if (list.control == 410 && ui_.DeviceLevel() == kThreeTypeLevel) {
            count = 3;
        }
        for (int i = 0; i < count; ++i) {
            const std::string text = ModuleString(ui_.instance_, list.firstString + i);
            ::SendDlgItemMessageA(window, list.control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    };
    if (imageTypes) {
        for (const OptionList& list : kImageTypeLists) {
            fill(list);
        }
    } else {
        fill(kLevelList);
        for (int id : {kLowResolutionList, kHighResolutionList}) {
            for (const std::string& text : ui_.settings_.resolutions.texts) {
                ::SendDlgItemMessageA(window, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            }
        }
    }
    FillNames();
}

void CatalogueWindow::FillNames() {
    ::SendDlgItemMessageA(window_, kNameList, CB_RESETCONTENT, 0, 0);
    for (int32_t i = 0; i < edit_.rows.count; ++i) {
        const std::string name = FieldText(edit_.rows.rows[static_cast<size_t>(i)].name);
        ::SendDlgItemMessageA(window_, kNameList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    ShowRow(edit_.rows.current);
}

// Shows a row's values; only the user's own rows can be renamed and deleted.
void CatalogueWindow::ShowRow(int32_t index) {
    const CatalogueRow* row = edit_.rows.Row(index);
    if (!row) {
        return;
    }
    selected_ = index;
    ::SendDlgItemMessageA(window_, kNameList, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (kind_ == CatalogueKind::kImageTypes) {
        for (const OptionList& list : kImageTypeLists) {
            ::SendDlgItemMessageA(window_, list.control, CB_SETCURSEL, static_cast<WPARAM>(row->values[list.value]), 0);
        }
    } else {
        ::SendDlgItemMessageA(window_, kLevelList.control, CB_SETCURSEL,
                              static_cast<WPARAM>(row->values[kLevelList.value]), 0);
        SetItemText(window_, kLowResolutionList, std::to_string(row->values[destination::kResolutionBelow8Bits]));
        SetItemText(window_, kHighResolutionList, std::to_string(row->values[destination::kResolutionFrom8Bits]));
    }
    const bool own = !IsProtectedRow(edit_, index);
    EnableItem(window_, kRenameButton, own);
    EnableItem(window_, kDeleteButton, own);
}

CatalogueRow CatalogueWindow::RowFromControls() const {
    CatalogueRow row;
    const std::string name = ItemText(window_, kNameList, kNameCharacters);
    SetFieldText(row.name, name);
    if (kind_ == CatalogueKind::kImageTypes) {
        for (const OptionList& list : kImageTypeLists) {
            row.values[list.value] = std::max(Selection(window_, list.control), 0);
        }
    } else {
        SetFieldText(row.text, name);
        row.values[destination::kLevel] = std::max(Selection(window_, kLevelList.control), 0);
        row.values[destination::kResolutionBelow8Bits] =
            std::atoi(ItemText(window_, kLowResolutionList, kNameCharacters).c_str());
        row.values[destination::kResolutionFrom8Bits] =
            std::atoi(ItemText(window_, kHighResolutionList, kNameCharacters).c_str());
    }
    return row;
}

bool CatalogueWindow::Ask(int question) const {
    return ui_.services_.messages.Show(reinterpret_cast<WindowRef>(window_), ModuleString(ui_.instance_, question),
                                       ModuleString(ui_.instance_, kCaptionString),
                                       mb::kYesNo | mb::kIconQuestion) == mb::kAnswerYes;
}

// Saves the values under the typed name: a new row, or after asking, the user's row of that name.
void CatalogueWindow::OnSave() {
    const CatalogueRow row = RowFromControls();
    const int32_t existing = FindCatalogueRow(edit_.rows, FieldText(row.name));
    if (existing >= 0 && !IsProtectedRow(edit_, existing) && !Ask(kReplaceQuestion)) {
        return;
    }
    const SaveRowResult result = SaveCatalogueRow(edit_, row);
    if (result != SaveRowResult::kAdded && result != SaveRowResult::kReplaced) {
        ui_.services_.messages.Beep();
        return;
    }
    FillNames();
}

void CatalogueWindow::OnRename() {
    if (!RenameCatalogueRow(edit_, selected_, ItemText(window_, kNameList, kNameCharacters))) {
        ui_.services_.messages.Beep();
        return;
    }
    edit_.rows.current = selected_;
    FillNames();
}

void CatalogueWindow::OnDelete() {
    if (IsProtectedRow(edit_, selected_) || !Ask(kDeleteQuestion)) {
        return;
    }
    if (DeleteCatalogueRow(edit_, selected_)) {
        FillNames();
    }
}

// The working copy becomes the catalogue, with the chosen row current, and is written at once.
void CatalogueWindow::OnOk() {
    Target() = edit_.rows;
    Services services = ui_.ServicesNow();
    SaveCatalogues(ui_.settings_, services);
    ::EndDialog(window_, IDOK);
}

}  // namespace korva
