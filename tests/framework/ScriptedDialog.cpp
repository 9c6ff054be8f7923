#include "ScriptedDialog.h"

#include <commctrl.h>

#include <stdexcept>

#include "TestResource.h"

std::vector<int> g_bindOrder;

namespace {
constexpr UINT kStepMessage = WM_APP + 1;
constexpr UINT_PTR kWatchdogTimer = 77;
constexpr UINT kWatchdogMilliseconds = 20000; // only ends a run that would hang the test
} // namespace

void RecordingEdit::PreSubclassWindow() {
    boundWhenHooked = m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this;
    g_bindOrder.push_back(GetDlgCtrlID(m_hWnd));
    CEdit::PreSubclassWindow();
}

BEGIN_MESSAGE_MAP(RecordingTip, CToolTipCtrl)
ON_MESSAGE(TTM_RELAYEVENT, &RecordingTip::OnRelay)
END_MESSAGE_MAP()

LRESULT RecordingTip::OnRelay(WPARAM, LPARAM lParam) {
    relayed.push_back(*reinterpret_cast<const MSG*>(lParam));
    return Default();
}

BEGIN_MESSAGE_MAP(ReflectingLabel, CStatic)
ON_MESSAGE_REFLECT(WM_CTLCOLORSTATIC, &ReflectingLabel::OnColor)
ON_MESSAGE_REFLECT(WM_PARENTNOTIFY, &ReflectingLabel::OnParentNotify)
ON_MESSAGE(WM_MOUSEMOVE, &ReflectingLabel::OnMouseMove)
ON_CONTROL_REFLECT(STN_CLICKED, &ReflectingLabel::OnClicked)
END_MESSAGE_MAP()

ReflectingLabel::ReflectingLabel() : brush(CreateSolidBrush(RGB(1, 2, 3))) {}

ReflectingLabel::~ReflectingLabel() {
    DeleteObject(brush);
}

void ReflectingLabel::PreSubclassWindow() {
    g_bindOrder.push_back(GetDlgCtrlID(m_hWnd));
    RECT client{};
    GetClientRect(&client);
    tip.Create(this);
    tip.AddTool(this, "Lien", &client, 1);
    CStatic::PreSubclassWindow();
}

BOOL ReflectingLabel::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_MOUSEMOVE) {
        pretranslated.push_back(msg->message);
        tip.RelayEvent(msg);
        if (eatMouseMoves)
            return TRUE;
    }
    return CStatic::PreTranslateMessage(msg);
}

LRESULT ReflectingLabel::OnColor(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT ReflectingLabel::OnParentNotify(WPARAM, LPARAM) {
    ++parentNotifies;
    return 0;
}

LRESULT ReflectingLabel::OnMouseMove(WPARAM, LPARAM) {
    ++mouseMoves;
    return Default();
}

BEGIN_MESSAGE_MAP(ScriptedDialog, CDialog)
ON_MESSAGE(kStepMessage, &ScriptedDialog::OnStep)
ON_MESSAGE(WM_TIMER, &ScriptedDialog::OnTimer)
ON_MESSAGE(WM_CTLCOLORSTATIC, &ScriptedDialog::OnColor)
ON_MESSAGE(WM_SYSCOMMAND, &ScriptedDialog::OnSysCommand)
ON_MESSAGE(kThrowingMessage, &ScriptedDialog::OnThrow)
ON_EN_CHANGE(IDC_EDIT_A, &ScriptedDialog::OnChangeA)
ON_EN_CHANGE(IDC_EDIT_B, &ScriptedDialog::OnChangeB)
ON_CONTROL(STN_CLICKED, IDC_LABEL, &ScriptedDialog::OnLabelClicked)
ON_CONTROL(STN_CLICKED, IDC_PLAIN, &ScriptedDialog::OnPlainClicked)
END_MESSAGE_MAP()

ScriptedDialog::ScriptedDialog(std::vector<Step> steps, CWnd* parent, UINT templateId)
    : CDialog(templateId, parent), ownBrush(CreateSolidBrush(RGB(4, 5, 6))),
      m_steps(std::move(steps)) {}

ScriptedDialog::~ScriptedDialog() {
    DeleteObject(ownBrush);
}

void ScriptedDialog::DoDataExchange(CDataExchange* dx) {
    BindControl(dx, IDC_EDIT_C, m_editC);
    BindControl(dx, IDC_EDIT_A, m_editA);
    BindControl(dx, IDC_EDIT_B, m_editB);
    BindControl(dx, IDC_LABEL, m_label);
}

BOOL ScriptedDialog::OnInitDialog() {
    const BOOL focusDefault = CDialog::OnInitDialog();
    SetTimer(kWatchdogTimer, kWatchdogMilliseconds);
    if (onInit)
        onInit(*this);
    PostNextStep();
    return focusDefault;
}

void ScriptedDialog::PostNextStep() {
    if (m_nextStep < m_steps.size())
        PostMessage(kStepMessage);
}

LRESULT ScriptedDialog::OnStep(WPARAM, LPARAM) {
    if (m_nextStep < m_steps.size()) {
        const size_t step = m_nextStep++;
        m_steps[step](*this);
        PostNextStep();
    }
    return 0;
}

LRESULT ScriptedDialog::OnTimer(WPARAM id, LPARAM) {
    if (id != kWatchdogTimer)
        return Default();
    timedOut = true;
    EndDialog(kTimedOut);
    return 0;
}

LRESULT ScriptedDialog::OnColor(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(ownBrush);
}

LRESULT ScriptedDialog::OnSysCommand(WPARAM, LPARAM) {
    ++sysCommands;
    return Default();
}

LRESULT ScriptedDialog::OnThrow(WPARAM, LPARAM) {
    throw std::runtime_error("handler failed");
}

void ScriptedDialog::OnChangeA() {
    log.push_back("A begin");
    m_editB.SetWindowText("from A");
    log.push_back("A end");
}

void ScriptedDialog::OnChangeB() {
    log.push_back("B");
}

BOOL ScriptedDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_MOUSEMOVE)
        dialogPretranslated.push_back(msg->hwnd);
    return CDialog::PreTranslateMessage(msg);
}
