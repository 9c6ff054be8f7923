// The About box: its entry at the end of the main window's system menu, and the box itself,
// opened by any system command 16 to 31, modal over the main window.
#include <algorithm>

#include "resources/resource.h"
#include "tests/e2e/FocalixFixture.h"
#include "tests/e2e/InProcessProbe.h"
#include "tests/e2e/WindowQueries.h"

namespace {
class AboutBox : public FocalixFixture {
protected:
    void SetUp() override { Start(); }

    HWND WaitForAbout() const { return m_process->WaitForWindow(kAboutCaption); }
    bool AboutIsOpen() const {
        for (HWND window : m_process->Windows())
            if (WindowTextA(window) == kAboutCaption)
                return true;
        return false;
    }
    void ExpectAboutClosesAndMainIsBack() const {
        EXPECT_TRUE(WaitUntil([&] { return !AboutIsOpen(); })) << "the About box stays open";
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(m_window) != FALSE; }));
        EXPECT_TRUE(m_process->IsRunning());
    }
    // Opens the system menu from the keyboard (Alt+Space) and sends it keys; the menu's
    // own loop in the program reads them.
    void UseSystemMenu(const std::vector<UINT>& keys) const {
        PostMessageA(m_window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        ASSERT_TRUE(WaitUntil([&] {
            for (HWND window : m_process->Windows())
                if (ClassName(window) == "#32768")
                    return true;
            return false;
        })) << "the system menu didn't open";
        for (UINT key : keys)
            PostKeyPress(m_window, key);
    }
};

// Read from inside the program: Wine gives other processes no access to a system menu.
TEST_F(AboutBox, SystemMenuEndsWithASeparatorAndTheEntry) {
    InProcessProbe probe(m_window);
    ASSERT_TRUE(probe.Installed());
    const std::optional<FocalixProbeReport> report = probe.Read();
    ASSERT_TRUE(report) << "no report from inside the program";
    const int count = report->menuItemCount;
    ASSERT_GE(count, 3) << "no system menu, or nothing before the entry";
    ASSERT_LE(count, FOCALIX_PROBE_MAX_ITEMS);
    const FocalixProbeMenuItem* items = report->items;
    const FocalixProbeMenuItem& separator = items[count - 2];
    const FocalixProbeMenuItem& entry = items[count - 1];
    EXPECT_EQ(separator.type, static_cast<UINT>(MFT_SEPARATOR));
    EXPECT_EQ(separator.id, 0u);
    EXPECT_EQ(entry.type, static_cast<UINT>(MFT_STRING));
    EXPECT_EQ(entry.id, static_cast<UINT>(IDM_ABOUT));
    EXPECT_STREQ(entry.text, "&A propos de Focalix...");
    // Added to the system's own entries, once.
    const auto isClose = [](const FocalixProbeMenuItem& item) { return item.id == SC_CLOSE; };
    EXPECT_TRUE(std::any_of(items, items + count - 2, isClose)) << "the system's entries are gone";
    const auto isAbout = [](const FocalixProbeMenuItem& item) { return item.id == IDM_ABOUT; };
    EXPECT_EQ(std::count_if(items, items + count, isAbout), 1);
}

// The same entry as a user reaches it: Up from the first entry wraps round to the last.
TEST_F(AboutBox, LastEntryOfTheSystemMenuOpensIt) {
    UseSystemMenu({VK_UP, VK_RETURN});
    const HWND about = WaitForAbout();
    ASSERT_NE(about, nullptr);
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    ExpectAboutClosesAndMainIsBack();
}

enum class CloseWay { OkButton, EscapeKey, CloseBox };
struct AboutCase {
    WPARAM command;
    CloseWay close;
};

class AboutBoxEachWay : public AboutBox, public ::testing::WithParamInterface<AboutCase> {};

TEST_P(AboutBoxEachWay, OpensModalOverTheMainWindowAndCloses) {
    SetText(IDC_FOCAL, "1000");
    const std::string ratio = Text(IDC_FOCAL_RATIO);
    // Posted: the box runs its modal loop inside the program's handler.
    PostMessageA(m_window, WM_SYSCOMMAND, GetParam().command, 0);
    const HWND about = WaitForAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), m_window);
    EXPECT_FALSE(IsWindowEnabled(m_window));

    // Icon top left, the two lines to its right, OK top right.
    const std::vector<HWND> items = ChildWindows(about);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_NE(SendMessageA(items[0], STM_GETICON, 0, 0), 0);
    EXPECT_EQ(WindowTextA(items[1]), "Focalix version 1.0");
    EXPECT_FALSE(WindowTextA(items[2]).empty());
    EXPECT_EQ(WindowTextA(items[3]), "OK");
    EXPECT_EQ(GetDlgCtrlID(items[3]), IDOK);
    RECT icon, name, ok;
    GetWindowRect(items[0], &icon);
    GetWindowRect(items[1], &name);
    GetWindowRect(items[3], &ok);
    EXPECT_LT(icon.right, name.left);
    EXPECT_LT(name.right, ok.left);
    EXPECT_LT(ok.top, icon.top);

    switch (GetParam().close) {
    case CloseWay::OkButton:
        PostMessageA(about, WM_COMMAND, IDOK, 0);
        break;
    case CloseWay::EscapeKey:
        PostKeyPress(FocusedWindow(m_process->ThreadId()), VK_ESCAPE);
        break;
    case CloseWay::CloseBox:
        PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
    ExpectAboutClosesAndMainIsBack();
    EXPECT_EQ(Text(IDC_FOCAL), "1000");
    EXPECT_EQ(Text(IDC_FOCAL_RATIO), ratio);
}

// 16 is the menu's command; any command whose bits 4 to 15 are 0x001 opens the box.
INSTANTIATE_TEST_SUITE_P(, AboutBoxEachWay,
                         ::testing::Values(AboutCase{IDM_ABOUT, CloseWay::OkButton},
                                           AboutCase{0x0013, CloseWay::EscapeKey},
                                           AboutCase{0x001F, CloseWay::CloseBox}));

TEST_F(AboutBox, OtherSystemCommandsBehaveAsForAnyDialog) {
    PostMessageA(m_window, WM_SYSCOMMAND, 0x0020, 0); // just past the About range
    PostMessageA(m_window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(m_window) != FALSE; }));
    EXPECT_FALSE(AboutIsOpen());
    RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); // iconic paint
    PostMessageA(m_window, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(m_window) == FALSE; }));
    EXPECT_TRUE(m_process->IsRunning());
    EXPECT_EQ(Text(IDC_FOCAL_RATIO), "13.89");
}
} // namespace
