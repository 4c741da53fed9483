#include "core/boundary/scan_source.h"

#include "core/boundary/capability_level.h"

namespace korva {

int32_t ActiveTabDocumentSource(const ScanSettings& settings) {
    return settings.tabFlag == 1 ? settings.ocr.feedOption : settings.photo.feedOption;
}

bool IsNegativeFilm(int32_t docSource, int64_t optionUnit) {
    return docSource == 1 && optionUnit == 1;
}

void WriteSourceFields(SourceContext& context, const ScanSettings& settings) {
    context.Set(ctx::docSource, settings.docSource);
    context.Set(ctx::colorMatchActive, settings.colorMatchActive ? 1 : 0);
    context.Set(ctx::unsharpMask, settings.unsharpMask);
    if (context.Get(ctx::level) >= capability::kFilmSources) {
        context.Set(ctx::negativeFilm, IsNegativeFilm(settings.docSource, context.Get(ctx::optionUnit)) ? 1 : 0);
    }
}

}  // namespace korva
