// Every way out of the main window ends the process with status 0; only "Sortie" (the
// button or Enter) writes the settings file, and it writes exactly the six values.
#include "resources/resource.h"
#include "tests/e2e/FocalixFixture.h"
#include "tests/e2e/WindowQueries.h"

namespace {
const std::string kDefaultsFile = "[Capteur]\r\nX=768\r\nY=512\r\nXpixel=9.00\r\nYpixel=9.00\r\n"
                                  "[Telescope]\r\nDiam\xE8tre=90\r\nFocale=1250\r\n";
// Non-canonical values and a line of the user's own, which a save must keep.
const std::string kUserFile =
    "[Capteur]\r\nX=0768\r\nY=512\r\nXpixel=9\r\nYpixel=9\r\n"
    "; mon r\xE9glage\r\n[Telescope]\r\nDiam\xE8tre=90\r\nFocale=1250\r\n";

enum class Way { SortieButton, EnterKey, EscapeKey, CloseBox, SystemMenuClose };

std::string Name(Way way) {
    switch (way) {
    case Way::SortieButton:
        return "SortieButton";
    case Way::EnterKey:
        return "EnterKey";
    case Way::EscapeKey:
        return "EscapeKey";
    case Way::CloseBox:
        return "CloseBox";
    case Way::SystemMenuClose:
        return "SystemMenuClose";
    }
    return "?";
}

class Leaving : public FocalixFixture {
protected:
    void Leave(Way way) {
        switch (way) {
        case Way::SortieButton:
            PostMessageA(m_window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(Control(IDOK)));
            break;
        case Way::EnterKey:
            PostKeyPress(Focused(), VK_RETURN);
            break;
        case Way::EscapeKey:
            PostKeyPress(Focused(), VK_ESCAPE);
            break;
        // The close box leads to WM_CLOSE, as the window manager asks for it.
        case Way::CloseBox:
            PostMessageA(m_window, WM_CLOSE, 0, 0);
            break;
        case Way::SystemMenuClose:
            PostMessageA(m_window, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        }
        ExpectEndsCleanly();
    }
};

class LeavingEachWay : public Leaving, public ::testing::WithParamInterface<Way> {};

TEST_P(LeavingEachWay, WithoutFile) {
    Start();
    SetText(IDC_FOCAL, "1000"); // edited, so that a save would show
    Leave(GetParam());
    const bool saves = GetParam() == Way::SortieButton || GetParam() == Way::EnterKey;
    if (saves) {
        std::string expected = kDefaultsFile;
        expected.replace(expected.find("Focale=1250"), 11, "Focale=1000");
        EXPECT_EQ(SettingsBytes(), expected);
    } else {
        EXPECT_EQ(SettingsBytes(), std::nullopt);
        EXPECT_TRUE(m_directory.FileNames().empty());
    }
}

TEST_P(LeavingEachWay, WithFile) {
    Start(kUserFile);
    SetText(IDC_DIAMETER, "203.2");
    Leave(GetParam());
    const bool saves = GetParam() == Way::SortieButton || GetParam() == Way::EnterKey;
    if (saves) {
        EXPECT_EQ(SettingsBytes(),
                  "[Capteur]\r\nX=768\r\nY=512\r\nXpixel=9.00\r\nYpixel=9.00\r\n"
                  "; mon r\xE9glage\r\n[Telescope]\r\nDiam\xE8tre=203\r\nFocale=1250\r\n");
    } else {
        EXPECT_EQ(SettingsBytes(), kUserFile);
    }
}

INSTANTIATE_TEST_SUITE_P(, LeavingEachWay,
                         ::testing::Values(Way::SortieButton, Way::EnterKey, Way::EscapeKey,
                                           Way::CloseBox, Way::SystemMenuClose),
                         [](const auto& info) { return Name(info.param); });

TEST_F(Leaving, EnterInAnyInputSaves) {
    Start();
    SetText(IDC_OBJECT_WIDTH, "8");
    SendMessageA(m_window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(IDC_OBJECT_WIDTH)),
                 TRUE);
    ASSERT_EQ(Focused(), Control(IDC_OBJECT_WIDTH));
    Leave(Way::EnterKey);
    EXPECT_EQ(SettingsBytes(), kDefaultsFile);
}

TEST_F(Leaving, AnEmptiedFocalLengthIsSavedAsZero) {
    Start();
    SetText(IDC_FOCAL, "");
    SetText(IDC_PIXEL_SIZE_WIDTH, "9.125");
    Leave(Way::EnterKey);
    std::string expected = kDefaultsFile;
    expected.replace(expected.find("Focale=1250"), 11, "Focale=0");
    expected.replace(expected.find("Ypixel=9.00"), 11, "Ypixel=9.13");
    EXPECT_EQ(SettingsBytes(), expected);
}
} // namespace
