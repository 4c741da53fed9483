// Numbers typed into the size fields in every unit, and typed resolutions: parsed, then converted to
// document lengths, transfer pixels and preview pixels with arbitrary resolutions, scales and views.
#include "core/mainwin/resolution_entry.h"
#include "core/settings/units.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korva;
    fuzz::FuzzInput input(data, size);
    const uint8_t choice = input.Byte();
    const UnitKind unit = ToUnitKind(choice % 3);
    const char separator = (choice & 4) ? ',' : '.';
    static constexpr SizeField kFields[] = {SizeField::kOutWidth, SizeField::kOutHeight, SizeField::kWidth,
                                            SizeField::kHeight};
    const SizeField field = kFields[(choice >> 3) % 4];
    const auto resolution = static_cast<int32_t>(input.Word());
    const auto scale = static_cast<int32_t>(input.Word());
    PreviewView view;
    view.viewWidth = static_cast<int32_t>(input.Word());
    view.viewHeight = static_cast<int32_t>(input.Word());
    view.areaWidth = static_cast<int32_t>(input.Word());
    view.areaHeight = static_cast<int32_t>(input.Word());
    const std::string text = input.Rest();

    if (const std::optional<uint32_t> value = ParseDisplayNumber(text, separator)) {
        FormatDisplayValue(*value, unit, separator);
        const uint32_t length = DisplayToDocument(*value, unit, resolution);
        FormatDocumentLength(length, unit, resolution, PixelRule::kSizeDisplay, separator);
        FormatDocumentLength(length, unit, resolution, PixelRule::kUnitChange, separator);
        DisplayToTransferPixels(*value, unit, resolution);
        DocumentToPreview(field, length, view);
        DisplayToPreview(field, *value, view, scale, unit, resolution);
    }
    static const std::vector<std::string> kListTexts = {"50", "100", "150", "300", "600", "1200"};
    ResolveTypedResolution(text, kListTexts, resolution % 20000, scale % 20000);
    return 0;
}
