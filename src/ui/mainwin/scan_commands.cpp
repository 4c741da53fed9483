// The final scan, the scan of every marquee in turn, and the data source's busy message.
#include "core/boundary/data_source_calls.h"
#include "core/mainwin/busy_controls.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kBusyDone = 2;

}  // namespace

void ScanUI::ScanAllMarquees() {
    MarqueeList& list = pane_.Marquees();
    if (list.IsEmpty()) {
        return;
    }
    busy_ = 1;
    RefreshMarqueeStrip();  // the strip waits while the marquees are scanned
    SaveDriverSettingsNow();
    list.MakeCurrentByIndex(0);
    main_.batchCount = list.Count();
    settings_.environmentSaveInhibited = true;
    Context().Set(ctx::batchActive, 1);
    Context().Set(ctx::batchIndex, 0);
    main_.batchCounter = 0;
    SelectBatchMarquee();
    RunFinalScan();
}

void ScanUI::NextMarquee() {
    MarqueeList& list = pane_.Marquees();
    const int32_t next = list.IndexOfCurrent() + 1;
    if (next < list.Count()) {
        ++main_.batchCounter;
        Context().Set(ctx::batchIndex, Context().Get(ctx::batchIndex) + 1);
        list.MakeCurrentByIndex(next);
        SelectBatchMarquee();
        RunFinalScan();
        return;
    }
    if (const Marquee* current = list.Current()) {
        pane_.View().currentRect = current->view;
    }
    Context().Set(ctx::batchActive, 0);
    busy_ = 0;
    RefreshMarqueeStrip();
}

// Each marquee of a batch is scanned with its own settings: its block is in force before the scan is
// prepared, and its selection is the scan area.
void ScanUI::SelectBatchMarquee() {
    LoadMarqueeSettings(pane_.Marquees().Current()->settings);
}

// The data source is busy while it scans: the buttons that start a scan wait until it is done.
void ScanUI::OnBusyMessage(WPARAM busy, LPARAM code) {
    const BusyControls controls =
        BusyControlsFor(static_cast<int32_t>(busy), pane_.Marquees().Count(), settings_.docSource, main_.optionUnit);
    for (int id : {1, 733, 196}) {
        EnableItem(mainWindow_, id, controls.commands);
    }
    EnableItem(mainWindow_, 729, controls.scanAll);
    ::SetActiveWindow(mainWindow_);
    if (code == kBusyDone && Context().Get(ctx::batchActive) != 0) {
        busy_ = 0;
    }
}

}  // namespace korva
