// ApplyInputText for the focal length (1005) with the worked example's values: the whole
// cascade (nine result texts, two object-size updates) per iteration.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "calc/FormAccess.h"
#include "calc/NumberText.h"
#include "calc/OpticsState.h"
#include "calc/SamplingCalculator.h"
#include "resources/resource.h"

namespace {

// Keeps the texts of 1000..1017 and routes the notifications of 1009 and 1010 as the window.
class ArrayForm final : public FormAccess {
public:
    explicit ArrayForm(OpticsState& state) : state_(state) {}

    std::string GetControlText(int controlId, int maxCount) override {
        const std::string& text = texts_[Index(controlId)];
        return text.substr(0, static_cast<std::size_t>(maxCount));
    }
    void SetControlText(int controlId, const std::string& text) override {
        texts_[Index(controlId)] = text;
        if (controlId == IDC_SAMPLING_LENGTH) {
            UpdateObjectLength(state_, *this);
        } else if (controlId == IDC_SAMPLING_WIDTH) {
            UpdateObjectWidth(state_, *this);
        }
    }
    void EnableControl(int) override {}

    void Put(int controlId, const std::string& text) { texts_[Index(controlId)] = text; }
    const std::string& Text(int controlId) const { return texts_[Index(controlId)]; }

private:
    static std::size_t Index(int controlId) { return static_cast<std::size_t>(controlId - 1000); }
    OpticsState& state_;
    std::array<std::string, 18> texts_;
};

void BM_ApplyInputTextFocal(benchmark::State& bench) {
    OpticsState state{};
    state.pixelsLength = 768;
    state.pixelsWidth = 512;
    state.pixelSizeLength = 9;
    state.pixelSizeWidth = 9;
    state.diameter = 90;
    ArrayForm form(state);
    form.Put(IDC_FOCAL, "1250");
    form.Put(IDC_OBJECT_LENGTH, "10");
    form.Put(IDC_OBJECT_WIDTH, "8");
    for (auto _ : bench) {
        ApplyInputText(state, form, IDC_FOCAL);
        benchmark::ClobberMemory();
    }
    const bool right = form.Text(1007) == "18.89'" && form.Text(1008) == "12.60'" &&
                       form.Text(1009) == "1.48''/pixel" && form.Text(1010) == "1.48''/pixel" &&
                       form.Text(1011) == "738-1230" && form.Text(1012) == "2636-6150" &&
                       form.Text(1006) == "13.89" && form.Text(1013) == "1.33''" &&
                       form.Text(1016) == "407" && form.Text(1017) == "325";
    if (!right) {
        bench.SkipWithError("wrong result texts");
    }
}
BENCHMARK(BM_ApplyInputTextFocal);

void BM_FormatFixed(benchmark::State& bench) {
    double value = 2635.714285714286;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(value);
        std::string text = FormatFixed(value, 2);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FormatFixed);

void BM_FormatFixedExactTie(benchmark::State& bench) {
    double value = 1 + 0x1p-17; // the one case that reads all the exact digits
    for (auto _ : bench) {
        benchmark::DoNotOptimize(value);
        std::string text = FormatFixed(value, 16);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FormatFixedExactTie);

void BM_ParseInputText(benchmark::State& bench) {
    const std::string text = "1250";
    for (auto _ : bench) {
        benchmark::DoNotOptimize(ParseInputText(text));
    }
}
BENCHMARK(BM_ParseInputText);

} // namespace

BENCHMARK_MAIN();
