#include "core/boundary/main_templates.h"

namespace korva {

MainTemplates ChooseMainTemplates(int screenWidth, int captionHeight) {
    constexpr MainTemplates kLarge{"SCANQUILLA", "Phototab", "Ocrtab"};
    constexpr MainTemplates kMedium{"SCANQUILLA2", "Phototab", "Ocrtab"};
    constexpr MainTemplates kSmall{"SCANQUILLA3", "Phototab2", "Ocrtab2"};
    const bool tallCaptions = captionHeight > 20;
    if (screenWidth > 1000) {
        return tallCaptions ? kMedium : kLarge;
    }
    if (screenWidth >= 800) {
        return tallCaptions ? kSmall : kMedium;
    }
    return kSmall;
}

}  // namespace korva
