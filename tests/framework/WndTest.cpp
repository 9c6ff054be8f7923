// Window objects inside a real dialog under Wine: binding, message maps, reflection,
// pre-translation and the end of a subclass.
#include <gtest/gtest.h>

#include "ScriptedDialog.h"
#include "TestResource.h"

namespace {
using Step = ScriptedDialog::Step;

// Runs the dialog's script to its end, which ends the run with IDOK.
INT_PTR RunScript(ScriptedDialog& dialog) {
    return dialog.DoModal();
}

Step EndWith(int result) {
    return [result](ScriptedDialog& d) { d.EndDialog(result); };
}

TEST(Binding, BindsInExchangeOrderOnceEvenAfterOk) {
    g_bindOrder.clear();
    bool heldHandle = false;
    ScriptedDialog dialog({[&](ScriptedDialog& d) {
        heldHandle = d.m_editA.boundWhenHooked && d.m_editC.boundWhenHooked;
        d.PostMessage(WM_COMMAND, IDOK); // OnOK exchanges again
    }});
    EXPECT_EQ(RunScript(dialog), IDOK);
    EXPECT_EQ(g_bindOrder, (std::vector<int>{IDC_EDIT_C, IDC_EDIT_A, IDC_EDIT_B, IDC_LABEL}));
    EXPECT_TRUE(heldHandle);
}

TEST(MessageMap, ChangeRaisedInsideHandlerRunsBeforeTheWriteReturns) {
    ScriptedDialog dialog(
        {[](ScriptedDialog& d) { d.m_editA.SetWindowText("12"); }, EndWith(IDOK)});
    RunScript(dialog);
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"A begin", "B", "A end"}));
}

TEST(MessageMap, ExceptionInHandlerStaysInsideTheWindowProcedure) {
    LRESULT answer = -1;
    ScriptedDialog dialog(
        {[&](ScriptedDialog& d) { answer = d.SendMessage(ScriptedDialog::kThrowingMessage); },
         EndWith(IDOK)});
    EXPECT_EQ(RunScript(dialog), IDOK);
    EXPECT_EQ(answer, 0);
}

TEST(Reflection, ColourRequestIsAnsweredByTheChildsObject) {
    LRESULT labelAnswer = 0;
    LRESULT plainAnswer = 0;
    ScriptedDialog dialog({[&](ScriptedDialog& d) {
                               HDC dc = GetDC(d.m_hWnd);
                               labelAnswer =
                                   d.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(d.m_label.m_hWnd));
                               plainAnswer =
                                   d.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(d.GetDlgItem(IDC_PLAIN)));
                               ReleaseDC(d.m_hWnd, dc);
                           },
                           EndWith(IDOK)});
    RunScript(dialog);
    // Through the dialog manager, which hands colour answers back as they are.
    EXPECT_EQ(labelAnswer, reinterpret_cast<LRESULT>(dialog.m_label.brush));
    EXPECT_EQ(plainAnswer, reinterpret_cast<LRESULT>(dialog.ownBrush));
}

TEST(Reflection, ClickReachesTheChildNotTheParentUnlessTheChildIsUnbound) {
    ScriptedDialog dialog({[](ScriptedDialog& d) {
                               for (HWND hwnd : {d.m_label.m_hWnd, d.GetDlgItem(IDC_PLAIN)}) {
                                   SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
                                   SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
                               }
                           },
                           EndWith(IDOK)});
    RunScript(dialog);
    EXPECT_EQ(dialog.m_label.clicks, 1);
    EXPECT_EQ(dialog.labelClicksSeen, 0);
    EXPECT_EQ(dialog.plainClicksSeen, 1);
}

TEST(Reflection, ParentNotifyAboutTheChildReachesItsObject) {
    ScriptedDialog dialog({[](ScriptedDialog& d) {
                               RECT label{};
                               d.m_label.GetWindowRect(&label);
                               d.ScreenToClient(&label);
                               // A click on the label, as the system reports it to the parent.
                               d.SendMessage(WM_PARENTNOTIFY, WM_LBUTTONDOWN,
                                             MAKELPARAM(label.left + 1, label.top + 1));
                               // A click elsewhere is the dialog's own.
                               d.SendMessage(WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(1, 1));
                           },
                           EndWith(IDOK)});
    RunScript(dialog);
    EXPECT_EQ(dialog.m_label.parentNotifies, 1);
}

struct PretranslateCase {
    bool childEats;
    int expectedMouseMoves;    // what reached the label's own map
    size_t expectedDialogSeen; // what reached the dialog's hook after the child's
};

class Pretranslation : public testing::TestWithParam<PretranslateCase> {};

TEST_P(Pretranslation, PostedMouseMoveGoesThroughTheChildsHookFirst) {
    const PretranslateCase c = GetParam();
    ScriptedDialog dialog({[&](ScriptedDialog& d) {
                               d.m_label.eatMouseMoves = c.childEats;
                               d.m_label.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
                           },
                           EndWith(IDOK)});
    RunScript(dialog);
    EXPECT_EQ(dialog.m_label.pretranslated.size(), 1u);
    ASSERT_EQ(dialog.m_label.tip.relayed.size(), 1u); // the tool tip learns of the mouse
    EXPECT_EQ(dialog.m_label.tip.relayed[0].message, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(dialog.m_label.tip.relayed[0].lParam, MAKELPARAM(3, 3));
    EXPECT_EQ(dialog.m_label.mouseMoves, c.expectedMouseMoves);
    EXPECT_EQ(dialog.dialogPretranslated.size(), c.expectedDialogSeen);
}

INSTANTIATE_TEST_SUITE_P(Chain, Pretranslation,
                         testing::Values(PretranslateCase{false, 1, 1},
                                         PretranslateCase{true, 0, 0}));

TEST(Subclass, RemovedWhenTheDialogDies) {
    HWND edit = nullptr;
    bool subclassedWhileAlive = false;
    ScriptedDialog dialog({[&](ScriptedDialog& d) {
                               edit = d.m_editA.m_hWnd;
                               subclassedWhileAlive = CWnd::FromHandlePermanent(edit) == &d.m_editA;
                           },
                           EndWith(IDOK)});
    RunScript(dialog);
    EXPECT_TRUE(subclassedWhileAlive);
    EXPECT_EQ(dialog.m_editA.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
    EXPECT_EQ(dialog.m_editA.postNcDestroyCalls, 1);
}

HWND MakeTopLevelEdit() {
    return CreateWindowExA(0, "EDIT", "", WS_OVERLAPPED, 0, 0, 100, 20, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST(Subclass, DestroyingTheWindowReleasesTheObject) {
    RecordingEdit edit;
    HWND hwnd = MakeTopLevelEdit();
    ASSERT_TRUE(edit.SubclassWindow(hwnd));
    EXPECT_FALSE(RecordingEdit().SubclassWindow(hwnd)); // one object per window
    DestroyWindow(hwnd);
    EXPECT_EQ(edit.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_EQ(edit.postNcDestroyCalls, 1);
}

TEST(Subclass, UnsubclassRestoresTheOriginalProcedure) {
    HWND hwnd = MakeTopLevelEdit();
    const LONG_PTR original = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    {
        CEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(hwnd));
        EXPECT_NE(GetWindowLongPtrA(hwnd, GWLP_WNDPROC), original);
        EXPECT_EQ(edit.UnsubclassWindow(), hwnd);
        EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    }
    EXPECT_TRUE(IsWindow(hwnd)); // the object let go of it, so did not destroy it
    EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_WNDPROC), original);
    DestroyWindow(hwnd);
}

TEST(Subclass, ObjectDestroysTheWindowItStillHolds) {
    HWND hwnd = MakeTopLevelEdit();
    {
        CEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(hwnd));
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}
} // namespace
