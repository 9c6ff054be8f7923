// CDialog: a modal dialog created from a template number, run by a message loop of our
// own that gives every window in the chain its PreTranslateMessage before IsDialogMessage.
#pragma once

#include "framework/Wnd.h"

// Handed to DoDataExchange; BindControl uses it to bind control objects by number.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds (subclasses) `control` to the dialog's control number `id`, unless it is already
// bound; binding runs the control's PreSubclassWindow.
void BindControl(CDataExchange* dx, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the window from the template, owned by the parent (or, without one, by the
    // application's main window), disables the owner while it runs, runs the modal loop and
    // destroys the window. Returns the EndDialog result, or -1 if the window can't be made
    // or the run ended without EndDialog (a WM_QUIT, which is posted again, or the window
    // destroyed by someone else).
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    // Framework hooks.
    virtual BOOL OnInitDialog();                   // base: UpdateData(FALSE); returns TRUE
    virtual void DoDataExchange(CDataExchange*) {} // base: binds nothing
    virtual void OnOK();                           // base: UpdateData(TRUE), EndDialog(IDOK)
    virtual void OnCancel();                       // base: EndDialog(IDCANCEL)
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    DECLARE_MESSAGE_MAP()

protected:
    // The dialog manager's default processing (DefDlgProc, without calling us again).
    LRESULT DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A message that no map entry takes goes back to the dialog manager.
    LRESULT OnUnhandledMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_templateId;
    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR AnswerDialogManager(CDialog& dialog, HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam);
    HWND OwnerForModal() const;
    void RunModalLoop();
    LRESULT OnInitDialogMessage(WPARAM, LPARAM);
    bool m_endModal = false;
    int m_result = -1;

    // The dialog procedure's call in progress: whether the map left the message unhandled.
    struct DialogCall {
        UINT message;
        bool unhandled;
    };
    DialogCall* m_dialogCall = nullptr;
    // DefDlgProc calls the dialog procedure first; while Default() runs it, that call of
    // this message is answered "not handled" at once.
    bool m_inDefault = false;
    UINT m_defaultMessage = 0;
};
