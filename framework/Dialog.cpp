// CDialog: binding to the dialog manager, the hooks, data exchange and default processing.
#include "framework/Dialog.h"

#include "framework/RestoreOnExit.h"

using fw::detail::RestoreOnExit;

namespace {
// The dialog manager returns these answers of the dialog procedure as they are, not
// through DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
           message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
           message == WM_QUERYDRAGICON || message == WM_INITDIALOG;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
} // namespace

// OnOK and OnCancel are virtual: the entries reach the derived class's overrides.
BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::OnInitDialogMessage)
ON_CONTROL(BN_CLICKED, IDOK, &CDialog::OnOK)
ON_CONTROL(BN_CLICKED, IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

void BindControl(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd != nullptr || dx == nullptr || dx->m_pDlgWnd == nullptr)
        return;
    control.SubclassWindow(::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id));
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
    if (m_hWnd != nullptr)
        CWnd::DestroyWindow();
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_endModal = true;
}

LRESULT CDialog::OnInitDialogMessage(WPARAM, LPARAM) {
    return OnInitDialog();
}

LRESULT CDialog::OnUnhandledMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_dialogCall != nullptr && m_dialogCall->message == message && !m_dialogCall->unhandled) {
        m_dialogCall->unhandled = true; // the dialog procedure answers FALSE
        return 0;
    }
    return DefaultWindowProc(message, wParam, lParam);
}

LRESULT CDialog::DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hWnd == nullptr)
        return 0;
    RestoreOnExit<bool> inDefault(m_inDefault, true);
    RestoreOnExit<UINT> defaultMessage(m_defaultMessage, message);
    return DefDlgProcA(m_hWnd, message, wParam, lParam);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) {
            auto* created = reinterpret_cast<CDialog*>(lParam);
            if (created != nullptr && created->m_hWnd == nullptr && !FromHandlePermanent(hwnd))
                created->Attach(hwnd);
        }
        auto* dialog = dynamic_cast<CDialog*>(FromHandlePermanent(hwnd));
        if (dialog == nullptr)
            return FALSE;
        if (dialog->m_inDefault && dialog->m_defaultMessage == message) {
            dialog->m_inDefault = false; // DefDlgProc asking us first, inside Default()
            return FALSE;
        }
        const INT_PTR answer = AnswerDialogManager(*dialog, hwnd, message, wParam, lParam);
        if (message == WM_NCDESTROY && FromHandlePermanent(hwnd) == dialog)
            dialog->OnWindowGone();
        return answer;
    } catch (...) {
        return FALSE;
    }
}

INT_PTR CDialog::AnswerDialogManager(CDialog& dialog, HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
    RECT placed{};
    if (message == WM_INITDIALOG)
        ::GetWindowRect(hwnd, &placed);

    DialogCall call{message, false};
    LRESULT result = 0;
    {
        const CurrentMessage current{message, wParam, lParam};
        RestoreOnExit<const CurrentMessage*> currentScope(dialog.m_current, &current);
        RestoreOnExit<DialogCall*> callScope(dialog.m_dialogCall, &call);
        result = dialog.WindowProc(message, wParam, lParam);
    }
    if (call.unhandled)
        return FALSE;

    if (message == WM_INITDIALOG && dialog.m_hWnd == hwnd) {
        // Centred over the owner unless the template or the dialog placed itself.
        RECT now{};
        ::GetWindowRect(hwnd, &now);
        if ((dialog.GetStyle() & DS_CENTER) == 0 && SameRect(placed, now))
            dialog.CenterWindow();
    }
    if (AnswersDirectly(message))
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}
