// A test dialog over IDD_TEST that runs a script inside its own modal run: each step runs
// from a message posted to the dialog, after everything that the previous step posted.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/ToolTipCtrl.h"

#include "TestResource.h"

// Control numbers in the order their PreSubclassWindow ran.
extern std::vector<int> g_bindOrder;

class RecordingEdit : public CEdit {
public:
    void PreSubclassWindow() override;
    bool boundWhenHooked = false; // the object held the handle when the hook ran
    int postNcDestroyCalls = 0;

protected:
    void PostNcDestroy() override { ++postNcDestroyCalls; }
};

// A tool tip that records the messages relayed to it.
class RecordingTip : public CToolTipCtrl {
public:
    std::vector<MSG> relayed;

private:
    LRESULT OnRelay(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};

// A static that takes its colour request, its click and its parent notifications itself.
class ReflectingLabel : public CStatic {
public:
    ReflectingLabel();
    ~ReflectingLabel() override;
    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    HBRUSH brush;
    int clicks = 0;
    int parentNotifies = 0;
    int mouseMoves = 0;
    bool eatMouseMoves = false;      // its PreTranslateMessage answers TRUE for them
    std::vector<UINT> pretranslated; // WM_MOUSEMOVE seen by PreTranslateMessage
    RecordingTip tip;                // created at binding; the hook relays to it

private:
    LRESULT OnColor(WPARAM, LPARAM);
    LRESULT OnParentNotify(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    void OnClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

class ScriptedDialog : public CDialog {
public:
    using Step = std::function<void(ScriptedDialog&)>;
    static constexpr int kTimedOut = 99;
    static constexpr UINT kThrowingMessage = WM_APP + 5;

    explicit ScriptedDialog(std::vector<Step> steps, CWnd* parent = nullptr,
                            UINT templateId = IDD_TEST);
    ~ScriptedDialog() override;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    std::function<void(ScriptedDialog&)> onInit; // runs inside OnInitDialog, after binding
    RecordingEdit m_editA;
    RecordingEdit m_editB;
    RecordingEdit m_editC;
    ReflectingLabel m_label;

    HBRUSH ownBrush;
    std::vector<std::string> log; // handler calls, in order
    int labelClicksSeen = 0;      // the label's click as the dialog's own map saw it
    int plainClicksSeen = 0;
    int sysCommands = 0;
    std::vector<HWND> dialogPretranslated; // WM_MOUSEMOVE targets seen by the dialog's hook
    bool timedOut = false;

private:
    LRESULT OnStep(WPARAM, LPARAM);
    LRESULT OnTimer(WPARAM, LPARAM);
    LRESULT OnColor(WPARAM, LPARAM);
    LRESULT OnSysCommand(WPARAM, LPARAM);
    LRESULT OnThrow(WPARAM, LPARAM);
    void OnChangeA();
    void OnChangeB();
    void OnLabelClicked() { ++labelClicksSeen; }
    void OnPlainClicked() { ++plainClicksSeen; }
    void PostNextStep();

    std::vector<Step> m_steps;
    size_t m_nextStep = 0;
    DECLARE_MESSAGE_MAP()
};
