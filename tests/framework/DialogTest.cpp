// The modal run: how it ends, its owner, the quit message and centring.
#include <gtest/gtest.h>

#include "framework/WinApp.h"

#include "ScriptedDialog.h"
#include "TestResource.h"
#include "TopLevelWindow.h"

namespace {
using Step = ScriptedDialog::Step;

// The main-window pointer is the application's; each test leaves none, and no quit behind.
class ModalRun : public testing::Test {
protected:
    void TearDown() override {
        GetApp()->m_pMainWnd = nullptr;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
};

void PressKey(ScriptedDialog& d, WPARAM key) {
    SetFocus(d.m_editA.m_hWnd);
    d.m_editA.PostMessage(WM_KEYDOWN, key, 1);
}

struct EndingCase {
    const char* name;
    Step action;
    INT_PTR expected;
};

class Ending : public ModalRun, public testing::WithParamInterface<EndingCase> {};

TEST_P(Ending, EndsWithTheResultOfTheWayOut) {
    ScriptedDialog dialog({GetParam().action});
    EXPECT_EQ(dialog.DoModal(), GetParam().expected);
    EXPECT_FALSE(dialog.timedOut);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Modal, Ending,
    testing::Values(
        EndingCase{"OkCommand", [](ScriptedDialog& d) { d.PostMessage(WM_COMMAND, IDOK); }, IDOK},
        EndingCase{"EnterInAnEdit", [](ScriptedDialog& d) { PressKey(d, VK_RETURN); }, IDOK},
        EndingCase{"Escape", [](ScriptedDialog& d) { PressKey(d, VK_ESCAPE); }, IDCANCEL},
        EndingCase{"CancelCommand", [](ScriptedDialog& d) { d.PostMessage(WM_COMMAND, IDCANCEL); },
                   IDCANCEL},
        EndingCase{"CloseBox", [](ScriptedDialog& d) { d.PostMessage(WM_CLOSE); }, IDCANCEL},
        // Through a handler of the dialog's own that hands it to default processing.
        EndingCase{"CloseInSystemMenu",
                   [](ScriptedDialog& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE); }, IDCANCEL},
        EndingCase{"EndDialogValue", [](ScriptedDialog& d) { d.EndDialog(1234); }, 1234}),
    [](const testing::TestParamInfo<EndingCase>& info) { return std::string(info.param.name); });

TEST_F(ModalRun, SystemCloseReachesTheHandlerThenTheDefault) {
    ScriptedDialog dialog({[](ScriptedDialog& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE); }});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.sysCommands, 1);
}

TEST_F(ModalRun, MissingTemplateGivesMinusOneAndLeavesTheOwnerEnabled) {
    TopLevelWindow owner;
    ScriptedDialog dialog({}, &owner, IDD_MISSING);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(IsWindowEnabled(owner.m_hWnd));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(ModalRun, OwnerIsDisabledDuringTheRunAndActiveAfter) {
    TopLevelWindow owner;
    BOOL enabledDuring = TRUE;
    HWND ownerDuring = nullptr;
    ScriptedDialog dialog({[&](ScriptedDialog& d) {
                              enabledDuring = IsWindowEnabled(owner.m_hWnd);
                              ownerDuring = GetWindow(d.m_hWnd, GW_OWNER);
                              d.PostMessage(WM_COMMAND, IDOK);
                          }},
                          &owner);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(enabledDuring);
    EXPECT_EQ(ownerDuring, owner.m_hWnd);
    EXPECT_TRUE(IsWindowEnabled(owner.m_hWnd));
    EXPECT_EQ(GetActiveWindow(), owner.m_hWnd);
}

TEST_F(ModalRun, WithoutParentTheMainWindowOwnsIt) {
    TopLevelWindow mainWindow;
    GetApp()->m_pMainWnd = &mainWindow;
    HWND ownerDuring = nullptr;
    ScriptedDialog dialog({[&](ScriptedDialog& d) {
        ownerDuring = GetWindow(d.m_hWnd, GW_OWNER);
        d.EndDialog(IDOK);
    }});
    dialog.DoModal();
    EXPECT_EQ(ownerDuring, mainWindow.m_hWnd);
    EXPECT_TRUE(IsWindowEnabled(mainWindow.m_hWnd));
}

TEST_F(ModalRun, MainWindowItselfHasNoOwnerAndIsForgottenWhenDestroyed) {
    HWND ownerDuring = reinterpret_cast<HWND>(1);
    ScriptedDialog dialog({[&](ScriptedDialog& d) {
        ownerDuring = GetWindow(d.m_hWnd, GW_OWNER);
        d.EndDialog(IDOK);
    }});
    GetApp()->m_pMainWnd = &dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(ownerDuring, nullptr);
    EXPECT_EQ(GetApp()->m_pMainWnd, nullptr);
    MSG quit{};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(ModalRun, QuitEndsTheRunAndIsPostedAgain) {
    ScriptedDialog dialog({[](ScriptedDialog&) { PostQuitMessage(7); }});
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.timedOut);
    MSG quit{};
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
}

POINT CentreOf(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ExpectCentredOn(const RECT& dialog, const RECT& target) {
    const POINT a = CentreOf(dialog);
    const POINT b = CentreOf(target);
    EXPECT_LE(std::abs(a.x - b.x), 1);
    EXPECT_LE(std::abs(a.y - b.y), 1);
}

RECT WorkArea() {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

Step RecordRectAndEnd(RECT& rect) {
    return [&rect](ScriptedDialog& d) {
        d.GetWindowRect(&rect);
        d.EndDialog(IDOK);
    };
}

TEST_F(ModalRun, CentredOnTheOwner) {
    TopLevelWindow owner;
    RECT placed{};
    ScriptedDialog dialog({RecordRectAndEnd(placed)}, &owner);
    dialog.DoModal();
    RECT ownerRect{};
    owner.GetWindowRect(&ownerRect);
    ExpectCentredOn(placed, ownerRect);
}

TEST_F(ModalRun, CentredOnTheWorkAreaWhenTheOwnerIsMinimisedOrAbsent) {
    TopLevelWindow owner;
    ShowWindow(owner.m_hWnd, SW_MINIMIZE);
    ASSERT_TRUE(owner.IsIconic());
    RECT overMinimised{};
    ScriptedDialog first({RecordRectAndEnd(overMinimised)}, &owner);
    first.DoModal();
    ExpectCentredOn(overMinimised, WorkArea());

    RECT alone{};
    ScriptedDialog second({RecordRectAndEnd(alone)});
    second.DoModal();
    ExpectCentredOn(alone, WorkArea());
}

TEST_F(ModalRun, DialogThatPlacesItselfIsNotCentred) {
    RECT placed{};
    ScriptedDialog dialog({RecordRectAndEnd(placed)});
    dialog.onInit = [](ScriptedDialog& d) {
        d.SetWindowPos(nullptr, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    };
    dialog.DoModal();
    EXPECT_EQ(placed.left, 5);
    EXPECT_EQ(placed.top, 6);
}
} // namespace
