#include "core/boundary/data_source_calls.h"

#include <gtest/gtest.h>

#include <string>

namespace korva {
namespace {

intptr_t ReturnsSeven() {
    return 7;
}

// Records what the call does with the loader, which offers one entry, returning 7.
class RecordingLoader final : public LibraryLoader {
  public:
    Handle Load(const std::string& path) override {
        loadedPath = path;
        if (!present) {
            return nullptr;
        }
        ++references;
        return this;
    }
    Entry Lookup(Handle, const std::string& name) override {
        lookedUp = name;
        return name == kEntryPreviewScan ? reinterpret_cast<Entry>(&ReturnsSeven) : nullptr;
    }
    void Release(Handle) override { --references; }

    bool present = true;
    int references = 0;
    std::string loadedPath;
    std::string lookedUp;
};

TEST(DataSourceCallsTest, CallsTheEntryAndReleasesTheLibraryOrYieldsZero) {
    RecordingLoader loader;
    EXPECT_EQ(CallDataSource(loader, "C:\\WINDOWS\\TWAIN_32\\VELDRIX\\LOMTWNS.DS", kEntryPreviewScan), 7);
    EXPECT_EQ(loader.loadedPath, "C:\\WINDOWS\\TWAIN_32\\VELDRIX\\LOMTWNS.DS");
    EXPECT_EQ(loader.lookedUp, "UIPreviewScan");
    EXPECT_EQ(loader.references, 0);

    // A missing entry yields zero and leaves the reference the load added.
    EXPECT_EQ(CallDataSource(loader, "lomtwns.ds", kEntryCloseScan), 0);
    EXPECT_EQ(loader.lookedUp, "UICloseScan");
    EXPECT_EQ(loader.references, 1);

    // A missing library yields zero without looking anything up.
    loader.present = false;
    loader.lookedUp.clear();
    EXPECT_EQ(CallDataSource(loader, "missing.ds", kEntryFinalScan), 0);
    EXPECT_EQ(loader.lookedUp, "");
    EXPECT_EQ(loader.references, 1);
}

}  // namespace
}  // namespace korva
