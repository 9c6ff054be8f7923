// The main window as it opens: filled in from the settings file (or its defaults), every
// result computed, the focus in the first input, and the frame the form asks for.
#include <vector>

#include "resources/resource.h"
#include "tests/e2e/FocalixFixture.h"
#include "tests/e2e/InProcessProbe.h"
#include "tests/e2e/TestPaths.h"
#include "tests/e2e/WindowQueries.h"

namespace {
struct ExpectedText {
    int id;
    std::string text;
};

class Opening : public FocalixFixture {
protected:
    void ExpectTexts(const std::vector<ExpectedText>& expected) {
        for (const ExpectedText& e : expected)
            EXPECT_EQ(Text(e.id), e.text) << "control " << e.id;
    }
};

TEST_F(Opening, WithoutFileShowsTheDefaultsAndEveryResultOfThem) {
    Start();
    ExpectTexts({
        {IDC_PIXELS_LENGTH, "768"},
        {IDC_PIXELS_WIDTH, "512"},
        {IDC_PIXEL_SIZE_LENGTH, "9"},
        {IDC_PIXEL_SIZE_WIDTH, "9"},
        {IDC_DIAMETER, "90"},
        {IDC_FOCAL, "1250"},
        {IDC_FIELD_LENGTH, "18.89'"},
        {IDC_FIELD_WIDTH, "12.60'"},
        {IDC_SAMPLING_LENGTH, "1.48''/pixel"},
        {IDC_SAMPLING_WIDTH, "1.48''/pixel"},
        {IDC_FOCAL_DEEP_SKY, "738-1230"},
        {IDC_FOCAL_PLANETARY, "2636-6150"},
        {IDC_FOCAL_RATIO, "13.89"},
        {IDC_RESOLVING_POWER, "1.33''"},
        {IDC_OBJECT_LENGTH, ""},
        {IDC_OBJECT_WIDTH, ""},
        {IDC_OBJECT_PIXELS_LENGTH, ""},
        {IDC_OBJECT_PIXELS_WIDTH, ""},
    });
    EXPECT_EQ(Focused(), Control(IDC_PIXELS_LENGTH));
    // Reading creates nothing.
    EXPECT_EQ(SettingsBytes(), std::nullopt);
    EXPECT_TRUE(m_directory.FileNames().empty());
}

TEST_F(Opening, WithFileShowsItsValues) {
    Start("[Capteur]\r\nX=1600\r\nY=1200\r\nXpixel=7.4\r\nYpixel=7.4\r\n"
          "[Telescope]\r\nDiam\xE8tre=200\r\nFocale=820\r\n");
    ExpectTexts({
        {IDC_PIXELS_LENGTH, "1600"},
        {IDC_PIXELS_WIDTH, "1200"},
        {IDC_PIXEL_SIZE_LENGTH, "7.4"},
        {IDC_PIXEL_SIZE_WIDTH, "7.4"},
        {IDC_DIAMETER, "200"},
        {IDC_FOCAL, "820"},
        {IDC_FIELD_LENGTH, "49.33'"},
        {IDC_FIELD_WIDTH, "37.00'"},
        {IDC_SAMPLING_LENGTH, "1.85''/pixel"},
        {IDC_SAMPLING_WIDTH, "1.85''/pixel"},
        {IDC_FOCAL_DEEP_SKY, "607-1011"},
        {IDC_FOCAL_PLANETARY, "2167-5057"},
        {IDC_FOCAL_RATIO, "4.10"},
        {IDC_RESOLVING_POWER, "0.60''"},
    });
    EXPECT_EQ(Focused(), Control(IDC_PIXELS_LENGTH));
}

TEST_F(Opening, LargeFieldShowsDegreesWithTheDegreeByte) {
    Start("[Capteur]\r\nX=1600\r\nXpixel=9\r\n[Telescope]\r\nFocale=820\r\n");
    EXPECT_EQ(Text(IDC_FIELD_LENGTH), "1.000\xB0");
}

TEST_F(Opening, FrameAndPlace) {
    Start();
    const LONG_PTR style = GetWindowLongPtrA(m_window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(m_window, GWL_EXSTYLE);
    // The template's style, now visible; a caption with the system menu and the minimise
    // box, but no maximise box and no sizing border.
    EXPECT_EQ(style & 0x90CA00C0, 0x90CA00C0);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_DISABLED), 0);
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME); // what DS_MODALFRAME becomes

    // Centred on the screen.
    RECT window, screen;
    GetWindowRect(m_window, &window);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    EXPECT_NEAR((window.left + window.right) / 2, (screen.left + screen.right) / 2, 2);
    EXPECT_NEAR((window.top + window.bottom) / 2, (screen.top + screen.bottom) / 2, 2);
}

// Read from inside the program: Wine answers WM_GETICON and WM_QUERYDRAGICON from another
// process with 0. LoadIcon gives the program the one shared handle of its icon resource.
TEST_F(Opening, BigSmallAndDragIconsAreTheProgramsOwn) {
    Start();
    InProcessProbe probe(m_window);
    ASSERT_TRUE(probe.Installed());
    const std::optional<FocalixProbeReport> report = probe.Read();
    ASSERT_TRUE(report) << "no report from inside the program";
    ASSERT_NE(report->resourceIcon, 0u) << "icon " << IDI_MAIN << " doesn't load";
    EXPECT_EQ(report->bigIcon, report->resourceIcon);
    EXPECT_EQ(report->smallIcon, report->resourceIcon);
    EXPECT_EQ(report->dragIcon, report->resourceIcon);
}

TEST_F(Opening, TwoStartsGiveTwoIndependentWindows) {
    Start();
    // Same directory, separate process: the second window has its own state.
    ChildProcess other(FocalixExePath(), m_directory.Path());
    const HWND otherWindow = other.WaitForWindow(kMainCaption);
    ASSERT_NE(otherWindow, nullptr);
    ASSERT_NE(otherWindow, m_window);
    SetWindowTextTo(otherWindow, IDC_FOCAL, "2500");
    EXPECT_EQ(WindowTextA(otherWindow, IDC_FOCAL_RATIO), "27.78");
    EXPECT_EQ(Text(IDC_FOCAL_RATIO), "13.89");
}
} // namespace
