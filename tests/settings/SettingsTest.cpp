// ReadSettings and WriteSettings on real files, with the calculator behind the form as in
// the main window.
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "calc/NumberText.h"
#include "calc/SamplingCalculator.h"
#include "calc/Settings.h"

namespace {

// Keeps the controls' texts, records each SetControlText in order and answers the inputs'
// change notifications with ApplyInputText, as the main window does.
class CalculatorForm final : public FormAccess {
public:
    std::string GetControlText(int controlId, int maxCount) override {
        return texts[controlId].substr(0, static_cast<std::size_t>(maxCount));
    }
    void SetControlText(int controlId, const std::string& text) override {
        texts[controlId] = text;
        if (controlId >= 1000 && controlId <= 1005) {
            inputWrites.emplace_back(controlId, text);
            ApplyInputText(state, *this, controlId);
        }
    }
    void EnableControl(int) override {}

    OpticsState state;
    std::map<int, std::string> texts;
    std::vector<std::pair<int, std::string>> inputWrites;
};

OpticsState Inputs(double x, double y, double xPixel, double yPixel, double diameter,
                   double focal) {
    OpticsState state;
    state.pixelsLength = x;
    state.pixelsWidth = y;
    state.pixelSizeLength = xPixel;
    state.pixelSizeWidth = yPixel;
    state.diameter = diameter;
    state.focal = focal;
    return state;
}

const std::string kDefaultFile = "[Capteur]\r\nX=768\r\nY=512\r\nXpixel=9.00\r\nYpixel=9.00\r\n"
                                 "[Telescope]\r\nDiam\xE8tre=90\r\nFocale=1250\r\n";

TEST(ReadSettings, NoFileGivesTheDefaultsInOrderAndCreatesNothing) {
    ScratchDirectory dir;
    CalculatorForm form;
    ReadSettings(form, dir.File("config.ini"));
    const std::vector<std::pair<int, std::string>> expected = {
        {1001, "768"}, {1000, "512"}, {1003, "9"}, {1002, "9"}, {1004, "90"}, {1005, "1250"}};
    EXPECT_EQ(form.inputWrites, expected);
    EXPECT_TRUE(dir.Entries().empty());
    // The calculator saw every value: the window opens computed.
    EXPECT_EQ(form.texts[1007], "18.89'");
    EXPECT_EQ(form.texts[1006], "13.89");
}

TEST(ReadSettings, ShowsTheFilesTextsAsTheyAre) {
    ScratchDirectory dir;
    const std::string sixty(60, '7');
    WriteBytes(dir.File("config.ini"), "[Capteur]\r\nX=12abc\r\nY=" + sixty +
                                           "\r\nXpixel=9.125\r\n[Telescope]\r\nFocale=\r\n"
                                           "Diam\xC3\xA8tre=200\r\n");
    CalculatorForm form;
    ReadSettings(form, dir.File("config.ini"));
    const std::vector<std::pair<int, std::string>> expected = {
        {1001, "12abc"}, {1000, sixty.substr(0, 48)}, {1003, "9.125"}, {1002, "9"},
        {1004, "90"}, // the UTF-8 key is not the key
        {1005, ""}};
    EXPECT_EQ(form.inputWrites, expected);
    EXPECT_EQ(form.state.pixelsLength, 12);
    EXPECT_EQ(form.state.focal, 0);
    EXPECT_EQ(form.texts.count(1007), 0u); // nothing that needs the focal length
}

TEST(WriteSettings, NewFileHoldsTheSixSettingsWithCrLf) {
    ScratchDirectory dir;
    WriteSettings(Inputs(768, 512, 9, 9, 90, 1250), dir.File("config.ini"));
    EXPECT_EQ(ReadBytes(dir.File("config.ini")), kDefaultFile);
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"config.ini"});
}

TEST(WriteSettings, StoresTheNumbersTheInputsConvertedTo) {
    ScratchDirectory dir;
    WriteBytes(dir.File("config.ini"), "[Capteur]\r\nX=12abc\r\nXpixel=9\r\nY=0768\r\n"
                                       "Ypixel=7,4\r\n[Telescope]\r\nFocale=\r\n");
    CalculatorForm form;
    ReadSettings(form, dir.File("config.ini"));
    WriteSettings(form.state, dir.File("config.ini"));
    EXPECT_EQ(ReadBytes(dir.File("config.ini")),
              "[Capteur]\r\nX=12\r\nXpixel=9.00\r\nY=768\r\nYpixel=7.00\r\n[Telescope]\r\n"
              "Focale=0\r\nDiam\xE8tre=90\r\n");
}

TEST(WriteSettings, RoundsHalvesUpAndReadsThemBack) {
    ScratchDirectory dir;
    WriteSettings(Inputs(1536.7, 812.5, 9.125, 9.375, 203.2, 1234.5), dir.File("config.ini"));
    CalculatorForm form;
    ReadSettings(form, dir.File("config.ini"));
    const std::vector<std::pair<int, std::string>> expected = {{1001, "1537"}, {1000, "813"},
                                                               {1003, "9.13"}, {1002, "9.38"},
                                                               {1004, "203"},  {1005, "1235"}};
    EXPECT_EQ(form.inputWrites, expected);
    EXPECT_EQ(form.state.pixelSizeLength, 9.13);
}

// Everything that is not one of the six values stays byte for byte, whatever the line breaks.
TEST(WriteSettings, KeepsEveryOtherByte) {
    const std::string crlfFile = "; Focalix settings\r\n\r\n[Capteur]\r\n  X = 1  \r\n"
                                 "; pixel size in microns\r\nXpixel=\"5\"\r\nGain=2\r\n\r\n"
                                 "[Camera]\r\nX=99\r\nNom=ST-7\r\n\r\n[telescope]\r\n"
                                 "Diam\xE8tre=90\r\nFocale=1250\r\nMonture=EQ6";
    const std::string crlfExpected = "; Focalix settings\r\n\r\n[Capteur]\r\n  X = 768  \r\n"
                                     "; pixel size in microns\r\nXpixel=9.00\r\nGain=2\r\n"
                                     "Y=512\r\nYpixel=9.00\r\n\r\n"
                                     "[Camera]\r\nX=99\r\nNom=ST-7\r\n\r\n[telescope]\r\n"
                                     "Diam\xE8tre=90\r\nFocale=2000\r\nMonture=EQ6";
    auto toLf = [](std::string text) {
        std::string result;
        for (char c : text)
            if (c != '\r')
                result += c;
        return result;
    };
    const std::pair<std::string, std::string> files[] = {{crlfFile, crlfExpected},
                                                         {toLf(crlfFile), toLf(crlfExpected)}};
    for (const auto& [before, after] : files) {
        ScratchDirectory dir;
        WriteBytes(dir.File("config.ini"), before);
        WriteSettings(Inputs(768, 512, 9, 9, 90, 2000), dir.File("config.ini"));
        EXPECT_EQ(ReadBytes(dir.File("config.ini")), after);
        EXPECT_EQ(dir.Entries(), std::set<std::string>{"config.ini"});
    }
}

TEST(WriteSettings, ChangesNothingItCannotWrite) {
    ScratchDirectory dir;
    WriteBytes(dir.File("config.ini"), "[Capteur]\r\nX=1\r\n");
    MakeReadOnly(dir.File("config.ini"));
    WriteSettings(Inputs(768, 512, 9, 9, 90, 1250), dir.File("config.ini"));
    EXPECT_EQ(ReadBytes(dir.File("config.ini")), "[Capteur]\r\nX=1\r\n");

    WriteSettings(Inputs(768, 512, 9, 9, 90, 1250), dir.File("absent/config.ini"));
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"config.ini"});
}

// ".\config.ini" is looked up in the working directory of the moment.
TEST(Settings, DefaultPathFollowsTheWorkingDirectory) {
    ScratchDirectory first;
    ScratchDirectory second;
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(first.path());
    WriteSettings(Inputs(1, 2, 3, 4, 5, 6));
    std::filesystem::current_path(second.path());
    CalculatorForm form;
    ReadSettings(form);
    std::filesystem::current_path(first.path());
    CalculatorForm formInFirst;
    ReadSettings(formInFirst);
    std::filesystem::current_path(saved);

    EXPECT_EQ(first.Entries(), std::set<std::string>{"config.ini"});
    EXPECT_TRUE(second.Entries().empty());
    EXPECT_EQ(form.texts[1005], "1250");
    EXPECT_EQ(formInFirst.texts[1005], "6");
}

TEST(FormatSettingValue, BoundsEveryValue) {
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {812.5, 0, "813"},
        {9.125, 2, "9.13"},
        {-2.5, 0, "-3"},
        {1e50, 0, "100000000000000010000000000000000000000000000000000"}, // 51 characters
        {1e52, 0, "1e+52"},
        {1e49, 2, "1e+49"},
        {1e60, 0, "1e+60"},
        {-1.7976931348623157e308, 2, "-1.7976931348623157e+308"},
        {infinity, 0, "1e999"},
        {-infinity, 2, "-1e999"},
        {std::nan(""), 2, "0.00"},
    };
    for (const auto& c : cases) {
        const std::string text = FormatSettingValue(c.value, c.decimals);
        EXPECT_EQ(text, c.text) << c.value;
        EXPECT_LE(text.size(), kMaxSettingTextLength);
        if (text.find('e') != std::string::npos) { // read back as the same number
            EXPECT_EQ(ParseInputText(text), c.value) << text;
        }
    }
}

} // namespace
