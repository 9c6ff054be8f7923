#include "calc/SamplingCalculator.h"

#include <cmath>
#include <optional>
#include <string>

#include "calc/NumberText.h"
#include "resources/resource.h"

namespace {

// The calculator's constants, as doubles.
constexpr double kArcSeconds = 205;                    // µm over mm into arc seconds (not 206.265)
constexpr double kOneSixtieth = 0.016666666666666666;  // arc seconds -> minutes -> degrees
constexpr double kSixty = 60;                          // degrees threshold; minutes -> seconds
constexpr double kDeepSkyShort = 41;                   // 205 / 5
constexpr double kDeepSkyLong = 68.33333333333333;     // 205 / 3
constexpr double kPlanetaryShort = 146.42857142857144; // 205 / 1.4
constexpr double kPlanetaryLong = 341.6666666666667;   // 205 / 0.6
constexpr double kResolvingPower = 120;                // arc seconds x mm

constexpr const char* kDegreeSign = "\xB0"; // code page 1252

// A guard's "positive": strictly greater than 0; NaN is not positive, infinity is.
bool Positive(double v) {
    return v > 0;
}

// A result text that the window can show, or nothing. A value that is not finite, or whose
// text would be longer than kMaxResultLength characters, has no text: its control is then
// left as it is, exactly as when a guard fails.
using ResultText = std::optional<std::string>;

ResultText Shown(std::string text) {
    if (text.size() > static_cast<std::size_t>(kMaxResultLength)) {
        return std::nullopt;
    }
    return text;
}

ResultText Fixed(double value, int decimals, const char* suffix = "") {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return Shown(FormatFixed(value, decimals) + suffix);
}

// "%.3f°" in degrees from 60 arc minutes on, "%.2f'" in arc minutes below.
ResultText FieldText(double arcMinutes) {
    if (arcMinutes >= kSixty) {
        return Fixed(arcMinutes * kOneSixtieth, 3, kDegreeSign);
    }
    return Fixed(arcMinutes, 2, "'");
}

// "%.0f-%.0f"
ResultText RangeText(double shortFocal, double longFocal) {
    if (!std::isfinite(shortFocal) || !std::isfinite(longFocal)) {
        return std::nullopt;
    }
    return Shown(FormatFixed(shortFocal, 0) + "-" + FormatFixed(longFocal, 0));
}

void Write(FormAccess& form, int controlId, const ResultText& text) {
    if (text) {
        form.SetControlText(controlId, *text);
    }
}

// Steps 3 and 4: the sampling is stored before its text is written, since writing the text
// runs the object-size update, which reads the stored sampling.
void UpdateSampling(double pixelSize, double focal, double& sampling, FormAccess& form,
                    int samplingControl, int objectControl) {
    if (!Positive(focal) || !Positive(pixelSize)) {
        return;
    }
    const double s = pixelSize * kArcSeconds / focal;
    const ResultText text = Fixed(s, 2, "''/pixel");
    if (!text) {
        return; // not showable: the step is skipped whole, the stored sampling kept
    }
    sampling = s;
    form.SetControlText(samplingControl, *text);
    form.EnableControl(objectControl);
}

void UpdateObjectSize(double sampling, FormAccess& form, int sizeControl, int pixelsControl) {
    const double arcMinutes = ParseInputText(form.GetControlText(sizeControl, kObjectReadCount));
    if (!Positive(arcMinutes) || !Positive(sampling)) {
        return; // no size typed, or the axis' sampling never computed: 1016/1017 unchanged
    }
    Write(form, pixelsControl, Fixed(arcMinutes * kSixty / sampling, 0));
}

} // namespace

double OpticsState::*InputFieldOf(int controlId) {
    switch (controlId) {
    case IDC_PIXELS_WIDTH:
        return &OpticsState::pixelsWidth;
    case IDC_PIXELS_LENGTH:
        return &OpticsState::pixelsLength;
    case IDC_PIXEL_SIZE_WIDTH:
        return &OpticsState::pixelSizeWidth;
    case IDC_PIXEL_SIZE_LENGTH:
        return &OpticsState::pixelSizeLength;
    case IDC_DIAMETER:
        return &OpticsState::diameter;
    case IDC_FOCAL:
        return &OpticsState::focal;
    default:
        return nullptr;
    }
}

void ApplyInputText(OpticsState& state, FormAccess& form, int controlId) {
    double OpticsState::*const field = InputFieldOf(controlId);
    if (field == nullptr) {
        return; // not an input control
    }
    state.*field = ParseInputText(form.GetControlText(controlId, kInputReadCount));
    UpdateFieldAndSampling(state, form);
    if (controlId == IDC_DIAMETER || controlId == IDC_FOCAL) {
        UpdateTelescope(state, form);
    }
}

void UpdateFieldAndSampling(OpticsState& state, FormAccess& form) {
    // 1. Field along the length.
    if (Positive(state.pixelSizeLength) && Positive(state.pixelsLength) && Positive(state.focal)) {
        const double v =
            state.pixelSizeLength * state.pixelsLength * kArcSeconds / state.focal * kOneSixtieth;
        Write(form, IDC_FIELD_LENGTH, FieldText(v));
    }
    // 2. Field along the width.
    if (Positive(state.pixelSizeWidth) && Positive(state.pixelsWidth) && Positive(state.focal)) {
        const double v =
            state.pixelSizeWidth * state.pixelsWidth * kArcSeconds / state.focal * kOneSixtieth;
        Write(form, IDC_FIELD_WIDTH, FieldText(v));
    }
    // 3. and 4. The samplings; each write runs the object-size update of its axis.
    UpdateSampling(state.pixelSizeLength, state.focal, state.samplingLength, form,
                   IDC_SAMPLING_LENGTH, IDC_OBJECT_LENGTH);
    UpdateSampling(state.pixelSizeWidth, state.focal, state.samplingWidth, form, IDC_SAMPLING_WIDTH,
                   IDC_OBJECT_WIDTH);
    // 5. Focal length ranges; the telescope plays no part.
    if (Positive(state.pixelSizeWidth) && Positive(state.pixelSizeLength)) {
        const double t = state.pixelSizeWidth + state.pixelSizeLength;
        Write(form, IDC_FOCAL_DEEP_SKY, RangeText(t * kDeepSkyShort, t * kDeepSkyLong));
        Write(form, IDC_FOCAL_PLANETARY, RangeText(t * kPlanetaryShort, t * kPlanetaryLong));
    }
}

void UpdateTelescope(const OpticsState& state, FormAccess& form) {
    if (!Positive(state.diameter) || !Positive(state.focal)) {
        return;
    }
    Write(form, IDC_FOCAL_RATIO, Fixed(state.focal / state.diameter, 2));
    Write(form, IDC_RESOLVING_POWER, Fixed(kResolvingPower / state.diameter, 2, "''"));
}

void UpdateObjectLength(const OpticsState& state, FormAccess& form) {
    UpdateObjectSize(state.samplingLength, form, IDC_OBJECT_LENGTH, IDC_OBJECT_PIXELS_LENGTH);
}

void UpdateObjectWidth(const OpticsState& state, FormAccess& form) {
    UpdateObjectSize(state.samplingWidth, form, IDC_OBJECT_WIDTH, IDC_OBJECT_PIXELS_WIDTH);
}
