// Which main-dialog and tab-page templates fit the screen.
#pragma once

namespace korva {

struct MainTemplates {
    const char* main;   // "SCANQUILLA", "SCANQUILLA2" or "SCANQUILLA3"
    const char* photo;  // "Phototab" or "Phototab2"
    const char* ocr;    // "Ocrtab" or "Ocrtab2"
};

// The largest template set that fits a screen `screenWidth` pixels wide whose window captions are
// `captionHeight` pixels high; tall captions take the next smaller set.
MainTemplates ChooseMainTemplates(int screenWidth, int captionHeight);

}  // namespace korva
