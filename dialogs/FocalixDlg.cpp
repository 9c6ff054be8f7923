#include "dialogs/FocalixDlg.h"

#include "calc/SamplingCalculator.h"
#include "calc/Settings.h"
#include "dialogs/AboutBox.h"
#include "framework/GdiObjects.h"
#include "framework/WinApp.h"
#include "resources/resource.h"

CFocalixDlg::CFocalixDlg(CWnd* parent)
    : CDialog(IDD_MAIN, parent),
      // Shared by the system: never destroyed.
      m_hIcon(LoadIconA(GetInstanceHandle(), MAKEINTRESOURCEA(IDI_MAIN))) {}

CFocalixDlg::~CFocalixDlg() = default;

void CFocalixDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    BindControl(dx, IDC_UPDATE_LINK, m_linkUpdate);
    BindControl(dx, IDC_OBJECT_PIXELS_LENGTH, m_editObjectPixelsLength);
    BindControl(dx, IDC_OBJECT_LENGTH, m_editObjectLength);
    BindControl(dx, IDC_OBJECT_PIXELS_WIDTH, m_editObjectPixelsWidth);
    BindControl(dx, IDC_OBJECT_WIDTH, m_editObjectWidth);
    BindControl(dx, IDC_RESOLVING_POWER, m_editResolvingPower);
    BindControl(dx, IDC_FOCAL_RATIO, m_editFocalRatio);
    BindControl(dx, IDC_PIXELS_LENGTH, m_editPixelsLength);
    BindControl(dx, IDC_PIXEL_SIZE_LENGTH, m_editPixelSizeLength);
    BindControl(dx, IDC_PIXELS_WIDTH, m_editPixelsWidth);
    BindControl(dx, IDC_PIXEL_SIZE_WIDTH, m_editPixelSizeWidth);
    BindControl(dx, IDC_FOCAL_DEEP_SKY, m_editFocalDeepSky);
    BindControl(dx, IDC_FOCAL_PLANETARY, m_editFocalPlanetary);
    BindControl(dx, IDC_FOCAL, m_editFocal);
    BindControl(dx, IDC_SAMPLING_WIDTH, m_editSamplingWidth);
    BindControl(dx, IDC_SAMPLING_LENGTH, m_editSamplingLength);
    BindControl(dx, IDC_DIAMETER, m_editDiameter);
    BindControl(dx, IDC_FIELD_WIDTH, m_editFieldWidth);
    BindControl(dx, IDC_FIELD_LENGTH, m_editFieldLength);
}

BOOL CFocalixDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddAboutMenuEntry();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // Zero first: each stored value below recomputes at once, and the results that need a
    // value not read yet must be skipped, not computed from a stale one.
    m_state.pixelsLength = 0;
    m_state.pixelsWidth = 0;
    m_state.pixelSizeLength = 0;
    m_state.pixelSizeWidth = 0;
    m_state.diameter = 0;
    m_state.focal = 0;
    ReadSettings(*this);

    m_linkUpdate.SetLinkUrl(kUpdatePageUrl);
    return TRUE; // focus to the first input of the tab order
}

void CFocalixDlg::AddAboutMenuEntry() {
    HMENU systemMenu = GetSystemMenu(FALSE);
    if (systemMenu == nullptr)
        return;
    const std::string text = LoadResourceString(IDS_ABOUT_MENU);
    if (text.empty())
        return;
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, text.c_str());
}

void CFocalixDlg::OnOK() {
    // The values last converted from the inputs, not a fresh reading of the controls.
    WriteSettings(m_state);
    CDialog::OnOK();
}

CEdit* CFocalixDlg::EditControl(int controlId) {
    switch (controlId) {
    case IDC_PIXELS_WIDTH:
        return &m_editPixelsWidth;
    case IDC_PIXELS_LENGTH:
        return &m_editPixelsLength;
    case IDC_PIXEL_SIZE_WIDTH:
        return &m_editPixelSizeWidth;
    case IDC_PIXEL_SIZE_LENGTH:
        return &m_editPixelSizeLength;
    case IDC_DIAMETER:
        return &m_editDiameter;
    case IDC_FOCAL:
        return &m_editFocal;
    case IDC_FOCAL_RATIO:
        return &m_editFocalRatio;
    case IDC_FIELD_LENGTH:
        return &m_editFieldLength;
    case IDC_FIELD_WIDTH:
        return &m_editFieldWidth;
    case IDC_SAMPLING_LENGTH:
        return &m_editSamplingLength;
    case IDC_SAMPLING_WIDTH:
        return &m_editSamplingWidth;
    case IDC_FOCAL_DEEP_SKY:
        return &m_editFocalDeepSky;
    case IDC_FOCAL_PLANETARY:
        return &m_editFocalPlanetary;
    case IDC_RESOLVING_POWER:
        return &m_editResolvingPower;
    case IDC_OBJECT_LENGTH:
        return &m_editObjectLength;
    case IDC_OBJECT_WIDTH:
        return &m_editObjectWidth;
    case IDC_OBJECT_PIXELS_LENGTH:
        return &m_editObjectPixelsLength;
    case IDC_OBJECT_PIXELS_WIDTH:
        return &m_editObjectPixelsWidth;
    default:
        return nullptr;
    }
}

std::string CFocalixDlg::GetControlText(int controlId, int maxCount) {
    CEdit* edit = EditControl(controlId);
    if (edit == nullptr || edit->m_hWnd == nullptr || maxCount <= 0)
        return {};
    std::string text(static_cast<size_t>(maxCount) + 1, '\0');
    const int length = ::GetWindowTextA(edit->m_hWnd, text.data(), maxCount + 1);
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

void CFocalixDlg::SetControlText(int controlId, const std::string& text) {
    if (CEdit* edit = EditControl(controlId); edit != nullptr && edit->m_hWnd != nullptr)
        ::SetWindowTextA(edit->m_hWnd, text.c_str());
}

void CFocalixDlg::EnableControl(int controlId) {
    if (CEdit* edit = EditControl(controlId); edit != nullptr && edit->m_hWnd != nullptr)
        ::EnableWindow(edit->m_hWnd, TRUE);
}

template <int ControlId> void CFocalixDlg::OnInputChange() {
    ApplyInputText(m_state, *this, ControlId);
}

void CFocalixDlg::OnObjectLengthChange() {
    UpdateObjectLength(m_state, *this);
}

void CFocalixDlg::OnObjectWidthChange() {
    UpdateObjectWidth(m_state, *this);
}

LRESULT CFocalixDlg::OnSysCommand(WPARAM wParam, LPARAM) {
    // The system keeps the four lowest bits of a system command for itself.
    if ((wParam & 0xFFF0) == IDM_ABOUT) {
        CAboutBox about;
        about.DoModal();
        return 0;
    }
    return Default();
}

LRESULT CFocalixDlg::OnPaint(WPARAM, LPARAM) {
    if (!IsIconic())
        return Default();
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    return 0;
}

LRESULT CFocalixDlg::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_hIcon);
}

BEGIN_MESSAGE_MAP(CFocalixDlg, CDialog)
ON_MESSAGE(WM_SYSCOMMAND, &CFocalixDlg::OnSysCommand)
ON_MESSAGE(WM_PAINT, &CFocalixDlg::OnPaint)
ON_MESSAGE(WM_QUERYDRAGICON, &CFocalixDlg::OnQueryDragIcon)
ON_EN_CHANGE(IDC_PIXELS_WIDTH, &CFocalixDlg::OnInputChange<IDC_PIXELS_WIDTH>)
ON_EN_CHANGE(IDC_PIXELS_LENGTH, &CFocalixDlg::OnInputChange<IDC_PIXELS_LENGTH>)
ON_EN_CHANGE(IDC_PIXEL_SIZE_LENGTH, &CFocalixDlg::OnInputChange<IDC_PIXEL_SIZE_LENGTH>)
ON_EN_CHANGE(IDC_PIXEL_SIZE_WIDTH, &CFocalixDlg::OnInputChange<IDC_PIXEL_SIZE_WIDTH>)
ON_EN_CHANGE(IDC_DIAMETER, &CFocalixDlg::OnInputChange<IDC_DIAMETER>)
ON_EN_CHANGE(IDC_FOCAL, &CFocalixDlg::OnInputChange<IDC_FOCAL>)
ON_EN_CHANGE(IDC_OBJECT_LENGTH, &CFocalixDlg::OnObjectLengthChange)
ON_EN_CHANGE(IDC_OBJECT_WIDTH, &CFocalixDlg::OnObjectWidthChange)
ON_EN_CHANGE(IDC_SAMPLING_LENGTH, &CFocalixDlg::OnObjectLengthChange)
ON_EN_CHANGE(IDC_SAMPLING_WIDTH, &CFocalixDlg::OnObjectWidthChange)
END_MESSAGE_MAP()
