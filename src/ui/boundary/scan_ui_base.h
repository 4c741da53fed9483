// The abstract base of the one user-interface object. Its single virtual operation is MarkChanged.
#pragma once

namespace korva {

class ScanUIBase {
  public:
    ScanUIBase() = default;
    virtual ~ScanUIBase();
    ScanUIBase(const ScanUIBase&) = delete;
    ScanUIBase& operator=(const ScanUIBase&) = delete;

    // Records that a scan setting was edited.
    virtual void MarkChanged() = 0;

  protected:
    // Whether this module registered the "PREVIEW" window class; the destructor unregisters it then.
    bool previewClassRegistered_ = false;
};

}  // namespace korva
