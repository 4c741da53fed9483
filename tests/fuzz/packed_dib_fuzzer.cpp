// The packed bitmap a data source hands over as the preview: its header is checked, and whatever
// passes goes through the preview pipeline for each kind of display and image type, and through the
// automatic exposure of an arbitrary selection.
#include "core/imaging/preview_pipeline.h"
#include "core/preview/packed_dib.h"
#include "core/tone/selection_exposure.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korva;
    fuzz::FuzzInput input(data, size);
    const uint8_t choice = input.Byte();
    Rect selection;
    selection.left = static_cast<int8_t>(input.Byte());
    selection.top = static_cast<int8_t>(input.Byte());
    selection.right = static_cast<int8_t>(input.Byte());
    selection.bottom = static_cast<int8_t>(input.Byte());
    const std::string bytes = input.Rest();
    const std::span<const uint8_t> preview(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    const std::optional<DibLayout> layout = ParsePackedDib(preview);
    // Rendering a large picture is slow without finding more: the header check is what is under test.
    if (!layout || static_cast<int64_t>(layout->width) * layout->height > 4096) {
        return 0;
    }
    PreviewAdjustments adjustments;
    adjustments.preview = preview;
    adjustments.iproc = {0, 100, 245, 0, 128, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    adjustments.toneMap = BuiltInToneMaps()[0].toneMap;
    adjustments.display = static_cast<DisplayKind>(choice % 3);
    adjustments.invert = (choice & 4) != 0;
    adjustments.unsharpMask = (choice & 8) != 0;
    static constexpr RenderType kTypes[] = {
        {},
        {ColourClass::kGrey, 8, kHalftoneNone, DropoutColour::kNone},
        {ColourClass::kBlackWhite, 1, 2, DropoutColour::kGreen},
        {ColourClass::kBlackWhite, 1, 5, DropoutColour::kNone},
    };
    adjustments.type = kTypes[(choice >> 4) % 4];
    ToneTables tables;
    RenderPreview(adjustments, tables);

    ScanSettings settings;
    SelectionExposure request;
    request.preview = preview;
    request.selection = selection;
    request.docSource = choice % 3;
    ExposeSelection(settings, request);
    return 0;
}
