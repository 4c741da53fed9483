// A block, the settings model with the built-in catalogues and the tone defaults, and the POSIX services
// over a temporary Windows directory, for the scan-request writers.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "core/boundary/source_context.h"
#include "core/settings/builtin_catalogues.h"
#include "core/settings/image_processing.h"
#include "settings/settings_fixture.h"

namespace korva::test {

inline constexpr uint8_t kUntouched = 0xAA;
inline constexpr int64_t kNotWritten = -1;

class ScanRequestTest : public SettingsTest {
  protected:
    ScanRequestTest() {
        FillBlock();
        context.Set(ctx::level, 2);
        context.Set(ctx::optionUnit, 2);
        context.Set(ctx::printerPresetCount, 6);
        context.Set(ctx::deepColorAccepted, 0);
        WriteIni("[ImageSetting]\r\n");
        settings.locations.iniPath = Ini();
        settings.pixelTypes = LoadPixelTypes(posix.strings);
        settings.imageTypes.rows = BuiltinImageTypes(posix.strings, 'E');
        settings.imageTypes.count = 8;
        settings.imageTypes.current = 1;
        settings.destinations.rows = BuiltinDestinations(posix.strings);
        settings.destinations.count = 11;
        settings.destinations.current = 1;
        settings.toneMapInForce = LinearToneMap(posix.strings);
        for (int k = 0; k < kImageProcessingParameters; ++k) {
            settings.iproc[k] = settings.iprocSaved[k] = ParameterDefault(k, 0.0f);
        }
    }

    void FillBlock() { std::fill(block.begin(), block.end(), kUntouched); }
    bool IsUntouched(ContextField field) const {
        const uint8_t* p = context.Bytes(field);
        return std::all_of(p, p + field.width * field.count, [](uint8_t b) { return b == kUntouched; });
    }
    // The field's value, or kNotWritten while it still holds the fill bytes.
    int64_t Written(ContextField field) const { return IsUntouched(field) ? kNotWritten : context.Get(field); }
    // Each field holds its value, kNotWritten standing for a field left alone.
    void ExpectFields(std::initializer_list<std::pair<ContextField, int64_t>> fields) const {
        for (const auto& [field, value] : fields) {
            EXPECT_EQ(Written(field), value) << "field at offset " << field.offset;
        }
    }
    bool IsIdentity(ContextField table) const {
        for (uint32_t i = 0; i < table.count; ++i) {
            if (context.Get(table, i) != i) {
                return false;
            }
        }
        return true;
    }
};

}  // namespace korva::test
