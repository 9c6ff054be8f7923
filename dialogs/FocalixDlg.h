// CFocalixDlg: the calculator's window. It owns the optics state and the control objects
// bound to the form, routes the inputs' change notifications to the calculator, and gives
// the calculator and the settings code their access to the edit controls by number.
#pragma once

#include <windows.h>

#include <string>

#include "calc/FormAccess.h"
#include "calc/OpticsState.h"
#include "controls/LinkLabel.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

// The page that the link label at the foot of the window opens.
inline constexpr const char* kUpdatePageUrl = "http://www.focalix.fr/Focalix/Focalix.html";

class CFocalixDlg : public CDialog, public FormAccess {
public:
    explicit CFocalixDlg(CWnd* parent = nullptr);
    ~CFocalixDlg() override;

    // FormAccess, over the eighteen edit controls 1000..1017; other numbers do nothing.
    std::string GetControlText(int controlId, int maxCount) override;
    void SetControlText(int controlId, const std::string& text) override;
    void EnableControl(int controlId) override;

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void AddAboutMenuEntry();
    CEdit* EditControl(int controlId);

    template <int ControlId> void OnInputChange();
    void OnObjectLengthChange();
    void OnObjectWidthChange();
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);

    // Declared in the order in which they are bound.
    CLinkLabel m_linkUpdate;
    CEdit m_editObjectPixelsLength;
    CEdit m_editObjectLength;
    CEdit m_editObjectPixelsWidth;
    CEdit m_editObjectWidth;
    CEdit m_editResolvingPower;
    CEdit m_editFocalRatio;
    CEdit m_editPixelsLength;
    CEdit m_editPixelSizeLength;
    CEdit m_editPixelsWidth;
    CEdit m_editPixelSizeWidth;
    CEdit m_editFocalDeepSky;
    CEdit m_editFocalPlanetary;
    CEdit m_editFocal;
    CEdit m_editSamplingWidth;
    CEdit m_editSamplingLength;
    CEdit m_editDiameter;
    CEdit m_editFieldWidth;
    CEdit m_editFieldLength;
    HICON m_hIcon;
    OpticsState m_state;
};
