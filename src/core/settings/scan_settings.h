// The settings model: every value the driver INI file, the catalogues, the saved-settings files and
// the calibration files feed, as one plain structure. The dialogs move values between their controls
// and this model; the settings operations read and write it through the platform services.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/preview/rect.h"
#include "core/settings/catalogue.h"
#include "core/settings/catalogue_row.h"
#include "core/settings/image_processing.h"
#include "core/settings/pixel_types.h"
#include "core/settings/printer_list.h"
#include "core/settings/resolution_list.h"
#include "core/settings/settings_block.h"

namespace korva {

// Where the settings live. Directories are relative to the Windows directory.
struct Locations {
    std::string iniPath;         // driver folder + "\LOMTWNS.ini", at most 127 characters
    std::string calibrationDir;  // at most 79 characters
    std::string settingsDir;     // at most 79 characters
    std::string dataSourcePath;  // Windows directory + driver folder + data-source file
};

// The state kept per tab page ("Tab Setting" keys and the page's saved selection).
struct TabPageSettings {
    int32_t feedOption = 0;  // document source
    int32_t scanMode = 0;    // image type
    int32_t resList = 7;     // index in the resolution list
    int32_t resolution = 300;
    int32_t paperSize = 975;  // size radio button, 975 = the whole document
    Rect selectRect;          // saved selection, preview pixels
};

struct DialogPosition {
    int32_t x = 0;
    int32_t y = 0;
};

struct DialogPositions {
    DialogPosition main;
    DialogPosition settings;
    DialogPosition configuration;
    DialogPosition preview;
    DialogPosition focus;
    DialogPosition tools;
    DialogPosition gamma;
    DialogPosition color;
};

// The lock flags of the output size and the scale (0 or 1 each).
struct LockFlags {
    int32_t outWidth = 0;
    int32_t outHeight = 0;
    int32_t scale = 0;
    int32_t image = 0;
};

struct ScanSettings {
    // Locale and version.
    char decimalSeparator = '.';
    std::string versionString;   // string 4, at most 39 characters
    std::string versionText;     // "1.10E": from its first digit to its first blank
    char languageLetter = '\0';  // last character of the version string
    Locations locations;

    // "Settings" section.
    int32_t docSource = 0;
    int32_t displayUnit = 0;  // UnitKind
    int32_t sourceWidth = 0;  // hundredths of an inch
    int32_t sourceHeight = 0;
    float focusPosition = 0.0f;
    int32_t presetSettings = 3;
    int32_t numberOfSamples = 1;
    int32_t sampleIncrement = 1;
    int32_t saveValues = 1;
    int32_t autoExposure = 0;
    int32_t eyedrop = 1;
    int32_t previewSizeButton = 738;  // 738 + the stored preview size
    int32_t windows95Icm = 0;
    int32_t icmProfile = 0;
    int32_t currentMarquee = 0;  // counted from the end of the marquee list
    int32_t autoPreview = 0;
    DialogPositions positions;

    // "Tab Setting" section.
    int32_t tabFlag = 0;  // 1 = OCR page, 0 = Photo page
    TabPageSettings ocr;
    TabPageSettings photo;
    int32_t unsharpMask = 1;
    int32_t blackWhiteOption = 982;
    int32_t colorSelection = 990;

    int32_t scanResolution = 300;
    int32_t scalePercent = 100;
    uint16_t outWidth = 0;  // hundredths of an inch
    uint16_t outHeight = 0;

    // "ImageSetting" section.
    std::array<int32_t, kImageProcessingParameters> iproc{};  // current values
    std::array<int32_t, kImageProcessingParameters> iprocSaved{};
    int32_t processingFlag14 = 0;
    LockFlags locks;
    LockFlags savedLocks;
    int32_t bFit2 = 0;
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
    int32_t switchRed = 0;
    int32_t switchGreen = 0;
    int32_t switchBlue = 1;
    std::array<float, 3> channelGamma{1.0f, 1.0f, 1.0f};
    std::array<float, 3> channelOffset{};
    std::array<float, 3> channelBalance{};

    // Catalogues; their counts and current indices are INI keys as well.
    Catalogue imageTypes;
    Catalogue destinations;
    Catalogue toneMaps;
    CatalogueRow toneMapInForce;  // the current tone map
    CatalogueRow toneMapWorking;  // the copy the Tone Correction dialog edits
    int32_t toneChannelShown = tone_map::kMasterButton;
    PixelTypeTable pixelTypes;
    ResolutionList resolutions;
    bool aboveOpticalResolution = false;
    std::array<std::string, 3> unitNames;  // strings 190-192, at most 13 characters

    // Calibration.
    PrinterList printers;
    uint8_t calibrationMidValue = 0;

    // Saved settings.
    SettingsBlock dialogBlock;
    SettingsBlock dialogBlockBackup;

    // Flags the main dialog keeps.
    int32_t darkDocument = 0;  // the image type has 1 bit per pixel
    bool colorMatchActive = false;
    bool environmentSaveInhibited = false;
};

}  // namespace korva
