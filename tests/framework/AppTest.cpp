// The application object: name, message box, strings, sockets; and the small wrappers.
#include <gtest/gtest.h>

#include <string>

#include "framework/GdiObjects.h"
#include "framework/ToolTipCtrl.h"
#include "framework/WinApp.h"

#include "TestResource.h"
#include "TopLevelWindow.h"

// The tests' application object; the tests initialise it themselves.
CWinApp g_testApp;

namespace {
TEST(Application, NameIsTheExecutablesBaseName) {
    GetApp()->InitApplication(GetModuleHandleA(nullptr));
    EXPECT_EQ(GetApp(), &g_testApp);
    EXPECT_EQ(g_testApp.m_appName, "framework_test");
    EXPECT_EQ(GetInstanceHandle(), GetModuleHandleA(nullptr));
}

TEST(Application, LoadsStringsFromTheResources) {
    EXPECT_EQ(LoadResourceString(IDS_TEST_TEXT), "Texte d'essai");
    EXPECT_EQ(LoadResourceString(IDS_MISSING), "");
}

TEST(Application, SocketCheckPassesAndPassesAgain) {
    EXPECT_TRUE(SocketInit());
    EXPECT_TRUE(SocketInit());
}

// What the message box showed, read from a CBT hook when it activates; the hook then
// answers it with `answer`.
struct ShownBox {
    int count = 0;
    std::string caption;
    std::string text;
    HWND owner = nullptr;
    HICON icon = nullptr;
};
ShownBox g_shown;
WPARAM g_answer = IDOK;

LRESULT CALLBACK ReadMessageBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char buffer[256] = {};
        GetClassNameA(box, buffer, sizeof(buffer));
        if (std::string(buffer) == "#32770") {
            ++g_shown.count;
            GetWindowTextA(box, buffer, sizeof(buffer));
            g_shown.caption = buffer;
            GetDlgItemTextA(box, 0xFFFF, buffer, sizeof(buffer));
            g_shown.text = buffer;
            g_shown.owner = GetWindow(box, GW_OWNER);
            g_shown.icon =
                reinterpret_cast<HICON>(SendDlgItemMessageA(box, 0x440, STM_GETICON, 0, 0));
            PostMessageA(box, WM_COMMAND, g_answer, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class AppMessageBoxTest : public testing::Test {
protected:
    void SetUp() override {
        GetApp()->InitApplication(GetModuleHandleA(nullptr));
        g_shown = {};
        g_answer = IDOK;
        m_hook = SetWindowsHookExA(WH_CBT, &ReadMessageBox, nullptr, GetCurrentThreadId());
        ASSERT_NE(m_hook, nullptr);
    }
    void TearDown() override {
        UnhookWindowsHookEx(m_hook);
        GetApp()->m_pMainWnd = nullptr;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    HHOOK m_hook = nullptr;
};

TEST_F(AppMessageBoxTest, CaptionedWithTheNameOwnedByNobodyExclamationAdded) {
    EXPECT_EQ(AppMessageBox("Quelque chose"), IDOK);
    EXPECT_EQ(g_shown.count, 1);
    EXPECT_EQ(g_shown.caption, "framework_test");
    EXPECT_EQ(g_shown.text, "Quelque chose");
    EXPECT_EQ(g_shown.owner, nullptr);
    EXPECT_EQ(g_shown.icon, LoadIconA(nullptr, IDI_EXCLAMATION));
}

TEST_F(AppMessageBoxTest, ByStringNumberOwnedByTheMainWindow) {
    TopLevelWindow mainWindow;
    GetApp()->m_pMainWnd = &mainWindow;
    EXPECT_EQ(AppMessageBox(IDS_TEST_TEXT), IDOK);
    EXPECT_EQ(g_shown.text, "Texte d'essai");
    EXPECT_EQ(g_shown.caption, "framework_test");
    EXPECT_EQ(g_shown.owner, mainWindow.m_hWnd);
}

TEST_F(AppMessageBoxTest, KeepsAnIconGivenAndAddsNoneToOtherButtons) {
    AppMessageBox("Info", MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(g_shown.icon, LoadIconA(nullptr, IDI_INFORMATION));
    g_answer = IDNO;
    EXPECT_EQ(AppMessageBox("Oui ou non", MB_YESNO), IDNO);
    EXPECT_EQ(g_shown.icon, nullptr);
}

TEST(FontObject, UnderlinedCopyRoundTrips) {
    LOGFONTA description{};
    description.lfHeight = -11;
    description.lfUnderline = TRUE;
    lstrcpyA(description.lfFaceName, "MS Sans Serif");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&description));
    LOGFONTA read{};
    EXPECT_EQ(font.GetLogFont(&read), static_cast<int>(sizeof(LOGFONTA)));
    EXPECT_TRUE(read.lfUnderline);
    EXPECT_EQ(read.lfHeight, -11);
    EXPECT_TRUE(font.DeleteObject());
    EXPECT_EQ(font.GetSafeHandle(), nullptr);
}

TEST(ToolTip, TextsOfAToolAndTheEndOfItsWindow) {
    TopLevelWindow owner;
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&owner));
    char className[64] = {};
    GetClassNameA(tip.m_hWnd, className, sizeof(className));
    EXPECT_STREQ(className, "tooltips_class32");
    EXPECT_TRUE(tip.GetStyle() & WS_POPUP);
    EXPECT_EQ(GetWindow(tip.m_hWnd, GW_OWNER), owner.m_hWnd);

    const RECT area{0, 0, 50, 20};
    ASSERT_TRUE(tip.AddTool(&owner, "http://exemple", &area, 1));
    EXPECT_EQ(tip.GetToolText(&owner, 1), "http://exemple");
    tip.UpdateTipText("http://ailleurs", &owner, 1);
    EXPECT_EQ(tip.GetToolText(&owner, 1), "http://ailleurs");
    const std::string longText(3000, 'x'); // beyond the control's usual 1024
    tip.UpdateTipText(longText.c_str(), &owner, 1);
    EXPECT_LE(tip.GetToolText(&owner, 1).size(), longText.size());

    HWND tipWindow = tip.m_hWnd;
    owner.DestroyWindow(); // takes its owned tool tip with it
    EXPECT_EQ(tip.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(tipWindow), nullptr);
}
} // namespace
