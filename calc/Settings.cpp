#include "calc/Settings.h"

#include <charconv>
#include <cmath>
#include <exception>
#include <string_view>

#include "calc/NumberText.h"
#include "calc/ProfileFile.h"
#include "calc/SamplingCalculator.h"
#include "resources/resource.h"

namespace {

struct Setting {
    const char* section;
    const char* key;
    const char* defaultText;
    int controlId; // also names the OpticsState field (InputFieldOf)
    int decimals;
};

// Both operations handle the settings in this order.
constexpr Setting kSettings[] = {
    {"Capteur", "X", "768", IDC_PIXELS_LENGTH, 0},
    {"Capteur", "Y", "512", IDC_PIXELS_WIDTH, 0},
    {"Capteur", "Xpixel", "9", IDC_PIXEL_SIZE_LENGTH, 2},
    {"Capteur", "Ypixel", "9", IDC_PIXEL_SIZE_WIDTH, 2},
    {"Telescope", "Diam\xE8tre", "90", IDC_DIAMETER, 0},
    {"Telescope", "Focale", "1250", IDC_FOCAL, 0},
};

constexpr std::size_t kSettingCount = std::size(kSettings);

std::string ShortestExponentText(double value) {
    char buffer[32];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string FormatSettingValue(double value, int decimals) {
    if (std::isnan(value))
        return FormatFixed(0.0, decimals);
    if (std::isinf(value))
        return value > 0 ? "1e999" : "-1e999";
    std::string text = FormatFixed(value, decimals);
    if (text.size() > kMaxSettingTextLength)
        text = ShortestExponentText(value);
    return text;
}

void ReadSettings(FormAccess& form, const std::string& path) {
    // One look at the file: the six values come from the same content.
    std::string content;
    try {
        content = LoadProfileFile(path).bytes;
    } catch (const std::exception&) { // out of memory: the defaults
    }
    for (const Setting& setting : kSettings) {
        std::string text;
        try {
            text = GetProfileText(content, setting.section, setting.key, setting.defaultText);
        } catch (const std::exception&) {
            text = setting.defaultText;
        }
        form.SetControlText(setting.controlId, text);
    }
}

void WriteSettings(const OpticsState& state, const std::string& path) {
    try {
        std::string texts[kSettingCount];
        ProfileEntry entries[kSettingCount];
        for (std::size_t i = 0; i < kSettingCount; ++i) {
            const double value = state.*InputFieldOf(kSettings[i].controlId);
            texts[i] = FormatSettingValue(value, kSettings[i].decimals);
            entries[i] = {kSettings[i].section, kSettings[i].key, texts[i]};
        }
        // A failure leaves the file as it was; the window closes all the same.
        WriteProfileEntries(path, entries);
    } catch (const std::exception&) {
    }
}
