// CLinkLabel under Wine, on statics of the tests' own dialog, driven by window messages
// inside the dialog's modal run.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "LinkTestResource.h"
#include "MessageBoxWatch.h"
#include "PrivateClassRoot.h"
#include "controls/LinkLabel.h"
#include "controls/OpenErrorText.h"
#include "framework/Dialog.h"
#include "framework/WinApp.h"

// The import slot of MessageBeep, so that a test can see the beep.
extern "C" BOOL(WINAPI* __imp_MessageBeep)(UINT);

namespace {
constexpr UINT kRunMessage = WM_APP + 1;
constexpr char kMainText[] = "Nouvelle mise a jour ? Cliquez la !";

CWinApp g_app;
std::vector<std::string> g_events; // beeps and message boxes, in order

class ProbeLinkLabel : public CLinkLabel {
public:
    using CLinkLabel::m_colorHover;
    using CLinkLabel::m_colorNormal;
    using CLinkLabel::m_colorVisited;
    using CLinkLabel::m_fitToText;
    using CLinkLabel::m_fontPlain;
    using CLinkLabel::m_fontUnderlined;
    using CLinkLabel::m_handCursor;
    using CLinkLabel::m_hovering;
    using CLinkLabel::m_hoverTimerId;
    using CLinkLabel::m_isVisited;
    using CLinkLabel::m_linkTip;
    using CLinkLabel::m_linkUrl;
    using CLinkLabel::m_underlineMode;

    HFONT CurrentFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    HFONT Underlined() const { return m_fontUnderlined.GetSafeHandle(); }
};

// Runs a test body inside the dialog's modal run, once its initialisation has bound
// m_linkUpdate as the main window binds its link.
class LinkTestDialog : public CDialog {
public:
    using Body = std::function<void(LinkTestDialog&)>;
    explicit LinkTestDialog(Body body) : CDialog(IDD_LINK_TEST), m_body(std::move(body)) {}

    void DoDataExchange(CDataExchange* dx) override {
        BindControl(dx, IDC_LINK_MAIN, m_linkUpdate);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        PostMessage(kRunMessage);
        return TRUE;
    }
    void Bind(int id, CLinkLabel& label) {
        CDataExchange dx(this, FALSE);
        BindControl(&dx, id, label);
    }

    ProbeLinkLabel m_linkUpdate;

private:
    LRESULT OnRun(WPARAM, LPARAM) {
        m_body(*this);
        EndDialog(IDOK);
        return 0;
    }
    Body m_body;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LinkTestDialog, CDialog)
ON_MESSAGE(kRunMessage, &LinkTestDialog::OnRun)
END_MESSAGE_MAP()

void ParkCursorAway() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
}

void RunInDialog(const LinkTestDialog::Body& body) {
    g_app.InitApplication(GetModuleHandleA(nullptr));
    ParkCursorAway();
    LinkTestDialog dialog(body);
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

// Handles whatever is queued, as the modal loop would.
void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (PreTranslateAlongChain(&msg, nullptr))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A hover timer tick whose message position is `client` of the label.
void TickWithPointerAt(const ProbeLinkLabel& label, POINT client) {
    POINT screen = client;
    ClientToScreen(label.m_hWnd, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(label.m_hWnd, WM_TIMER, label.m_hoverTimerId, 0);
    Pump();
}

void MoveMouseOver(const ProbeLinkLabel& label) {
    label.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
}

RECT ClientRect(HWND window) {
    RECT rect;
    GetClientRect(window, &rect);
    return rect;
}

// The window rectangle in the parent's client coordinates.
RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE MeasureWithFont(HWND window, HFONT font, const std::string& text) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return size;
}

std::string WindowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

struct ColourAnswer {
    HBRUSH brush;
    COLORREF text;
    int backgroundMode;
};

// The parent's answer to the label's colour request, on a real device context.
ColourAnswer AskColours(LinkTestDialog& dialog, const ProbeLinkLabel& label) {
    HDC dc = GetDC(label.m_hWnd);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, OPAQUE);
    const LRESULT brush = dialog.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(label.m_hWnd));
    ColourAnswer answer{reinterpret_cast<HBRUSH>(brush), GetTextColor(dc), GetBkMode(dc)};
    ReleaseDC(label.m_hWnd, dc);
    return answer;
}

TEST(LinkLabel, ConstructionValues) {
    ProbeLinkLabel label;
    EXPECT_EQ(label.m_colorNormal, 0x00EE0000u);
    EXPECT_EQ(label.m_colorVisited, 0x008B1A55u);
    EXPECT_EQ(label.m_colorHover, 0x000000FFu);
    EXPECT_FALSE(label.m_hovering);
    EXPECT_FALSE(label.m_isVisited);
    EXPECT_EQ(label.m_underlineMode, -1);
    EXPECT_TRUE(label.m_fitToText);
    EXPECT_TRUE(label.m_linkUrl.empty());
    EXPECT_EQ(label.Underlined(), nullptr);
    EXPECT_EQ(label.m_fontPlain, nullptr);
    EXPECT_EQ(label.m_handCursor, nullptr);
    EXPECT_EQ(label.m_linkTip.m_hWnd, nullptr);
    EXPECT_EQ(label.m_hoverTimerId, 100u);

    // Without a window the operations only store.
    label.SetLinkUrl("http://example.test/");
    label.MarkVisited(TRUE);
    label.ChangeUnderlineMode(0);
    label.FitToText();
    EXPECT_EQ(label.m_linkUrl, "http://example.test/");
    EXPECT_TRUE(label.m_isVisited);
    EXPECT_EQ(label.m_underlineMode, 0);
    EXPECT_EQ(label.m_linkTip.m_hWnd, nullptr);
}

TEST(LinkLabel, BindingMakesTheStaticALink) {
    RunInDialog([](LinkTestDialog& dialog) {
        ProbeLinkLabel& label = dialog.m_linkUpdate;
        ASSERT_NE(label.m_hWnd, nullptr);
        EXPECT_EQ(label.GetStyle() & SS_NOTIFY, static_cast<DWORD>(SS_NOTIFY));
        EXPECT_EQ(label.m_linkUrl, kMainText) << "an empty target takes the text";
        EXPECT_EQ(WindowText(label.m_hWnd), kMainText);

        // Plain dialog font shown; the underlined copy differs only by the underline.
        const HFONT dialogFont = reinterpret_cast<HFONT>(dialog.SendMessage(WM_GETFONT));
        EXPECT_EQ(label.m_fontPlain, dialogFont);
        EXPECT_EQ(label.CurrentFont(), dialogFont);
        LOGFONTA plain{};
        LOGFONTA underlined{};
        GetObjectA(dialogFont, sizeof plain, &plain);
        ASSERT_NE(label.Underlined(), nullptr);
        GetObjectA(label.Underlined(), sizeof underlined, &underlined);
        EXPECT_TRUE(underlined.lfUnderline);
        EXPECT_EQ(underlined.lfHeight, plain.lfHeight);
        EXPECT_STREQ(underlined.lfFaceName, plain.lfFaceName);

        // Fitted: only the right and bottom edges moved.
        RECT templateRect{10, 150, 10 + 200, 150 + 12};
        MapDialogRect(dialog.m_hWnd, &templateRect);
        const SIZE text = MeasureWithFont(label.m_hWnd, label.Underlined(), kMainText);
        const RECT fitted = RectInParent(label.m_hWnd);
        EXPECT_EQ(fitted.left, templateRect.left);
        EXPECT_EQ(fitted.top, templateRect.top);
        EXPECT_EQ(fitted.right, templateRect.left + text.cx);
        EXPECT_EQ(fitted.bottom, templateRect.top + text.cy);

        // The hand cursor (the system's, where the help program has none).
        ASSERT_NE(label.m_handCursor, nullptr);
        EXPECT_EQ(label.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(label.m_hWnd),
                                    MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  TRUE);
        EXPECT_EQ(GetCursor(), label.m_handCursor);

        // One tool, number 1, on the label, over its fitted client area, no flags.
        HWND tip = label.m_linkTip.m_hWnd;
        ASSERT_NE(tip, nullptr);
        char className[32] = {};
        GetClassNameA(tip, className, sizeof className);
        EXPECT_STREQ(className, "tooltips_class32");
        EXPECT_NE(GetWindowLongA(tip, GWL_STYLE) & WS_POPUP, 0);
        EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
        char toolText[512] = {};
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.lpszText = toolText;
        ASSERT_TRUE(SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)));
        EXPECT_EQ(tool.uId, 1u);
        EXPECT_EQ(tool.hwnd, label.m_hWnd);
        EXPECT_EQ(tool.uFlags, 0u);
        const RECT client = ClientRect(label.m_hWnd);
        EXPECT_TRUE(EqualRect(&tool.rect, &client));
        EXPECT_EQ(label.m_linkTip.GetToolText(&label, 1), kMainText);

        EXPECT_FALSE(label.m_hovering);
        EXPECT_FALSE(label.m_isVisited);
        EXPECT_EQ(label.m_underlineMode, -1);
    });
}

TEST(LinkLabel, TargetAndTextTakeEachOthersValue) {
    RunInDialog([](LinkTestDialog& dialog) {
        // A static without text, its target set before binding: it shows the target.
        ProbeLinkLabel empty;
        empty.SetLinkUrl("http://example.test/empty");
        empty.ChangeUnderlineMode(1); // replaced by -1 at binding
        dialog.Bind(IDC_LINK_EMPTY, empty);
        EXPECT_EQ(WindowText(empty.m_hWnd), "http://example.test/empty");
        EXPECT_EQ(empty.m_linkUrl, "http://example.test/empty");
        EXPECT_EQ(empty.m_underlineMode, -1);
        EXPECT_EQ(empty.CurrentFont(), empty.m_fontPlain);
        const SIZE text =
            MeasureWithFont(empty.m_hWnd, empty.Underlined(), "http://example.test/empty");
        const RECT client = ClientRect(empty.m_hWnd);
        EXPECT_EQ(client.right, text.cx);
        EXPECT_EQ(client.bottom, text.cy);

        // A new target after binding: new tool tip text, shown text kept, size refitted.
        ProbeLinkLabel& label = dialog.m_linkUpdate;
        SetWindowTextA(label.m_hWnd, "Un texte bien plus long que le premier");
        label.SetLinkUrl("http://example.test/Focalix/Focalix.html");
        EXPECT_EQ(WindowText(label.m_hWnd), "Un texte bien plus long que le premier");
        EXPECT_EQ(label.m_linkUrl, "http://example.test/Focalix/Focalix.html");
        EXPECT_EQ(label.m_linkTip.GetToolText(&label, 1),
                  "http://example.test/Focalix/Focalix.html");
        const SIZE longer = MeasureWithFont(label.m_hWnd, label.Underlined(),
                                            "Un texte bien plus long que le premier");
        EXPECT_EQ(ClientRect(label.m_hWnd).right, longer.cx);
    });
}

TEST(LinkLabel, FitToTextFollowsTheAlignment) {
    RunInDialog([](LinkTestDialog& dialog) {
        ProbeLinkLabel left, centre, right, centreImage, bordered;
        dialog.Bind(IDC_LINK_LEFT, left);
        dialog.Bind(IDC_LINK_CENTER, centre);
        dialog.Bind(IDC_LINK_RIGHT, right);
        dialog.Bind(IDC_LINK_CENTERIMAGE, centreImage);
        dialog.Bind(IDC_LINK_BORDER, bordered);

        struct Case {
            const char* name;
            ProbeLinkLabel* label;
            int extraWidth;  // old width minus the needed one
            int extraHeight; // old height minus the needed one
            int expectedLeftShift, expectedWidth, expectedTopShift, expectedHeight;
        };
        // Needed sizes: the text plus the window's frame (only the bordered one has one).
        const Case cases[] = {
            {"left", &left, 37, 9, 0, 0, 0, 0},
            {"centre, odd and positive", &centre, 41, 4, 20, 1, 0, 0},
            {"centre, odd and negative", &centre, -5, 4, -2, -1, 0, 0},
            {"centre, even", &centre, 30, 0, 15, 0, 0, 0},
            {"right", &right, 30, 3, 30, 0, 0, 0},
            {"centred image, odd and positive", &centreImage, 13, 21, 0, 0, 10, 1},
            {"centred image, odd and negative", &centreImage, 13, -3, 0, 0, -1, -1},
            {"bordered", &bordered, 25, 6, 0, 0, 0, 0},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            HWND window = c.label->m_hWnd;
            RECT outer;
            GetWindowRect(window, &outer);
            const RECT inner = ClientRect(window);
            const int frameW = (outer.right - outer.left) - inner.right;
            const int frameH = (outer.bottom - outer.top) - inner.bottom;
            EXPECT_EQ(frameW > 0, c.label == &bordered);
            const SIZE text = MeasureWithFont(window, c.label->Underlined(), WindowText(window));
            const int needW = text.cx + frameW;
            const int needH = text.cy + frameH;
            SetWindowPos(window, nullptr, 20, 30, needW + c.extraWidth, needH + c.extraHeight,
                         SWP_NOZORDER);

            c.label->FitToText();

            const RECT fitted = RectInParent(window);
            EXPECT_EQ(fitted.left, 20 + c.expectedLeftShift);
            EXPECT_EQ(fitted.right - fitted.left, needW + c.expectedWidth);
            EXPECT_EQ(fitted.top, 30 + c.expectedTopShift);
            EXPECT_EQ(fitted.bottom - fitted.top, needH + c.expectedHeight);
        }
    });
}

TEST(LinkLabel, HoverStartsOnMouseMoveAndEndsOnATickOutside) {
    RunInDialog([](LinkTestDialog& dialog) {
        ProbeLinkLabel& label = dialog.m_linkUpdate;
        const RECT client = ClientRect(label.m_hWnd);

        MoveMouseOver(label);
        EXPECT_TRUE(label.m_hovering);
        EXPECT_EQ(label.CurrentFont(), label.Underlined());

        // A further move while hovering does nothing of its own.
        label.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(label.m_fontPlain), FALSE);
        MoveMouseOver(label);
        EXPECT_EQ(label.CurrentFont(), label.m_fontPlain);
        label.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(label.Underlined()), FALSE);

        TickWithPointerAt(label, {client.right - 1, client.bottom - 1});
        EXPECT_TRUE(label.m_hovering) << "the last pixel inside";
        EXPECT_EQ(label.CurrentFont(), label.Underlined());

        TickWithPointerAt(label, {client.right, 0});
        EXPECT_FALSE(label.m_hovering) << "the right edge is outside";
        EXPECT_EQ(label.CurrentFont(), label.m_fontPlain);

        MoveMouseOver(label);
        TickWithPointerAt(label, {0, client.bottom});
        EXPECT_FALSE(label.m_hovering) << "the bottom edge is outside";

        MoveMouseOver(label);
        TickWithPointerAt(label, {-1, 0});
        EXPECT_FALSE(label.m_hovering) << "left of the label";

        // The 100 ms timer ends the hover by itself once the pointer is away.
        MoveMouseOver(label);
        ParkCursorAway();
        for (int wait = 0; wait < 200 && label.m_hovering; ++wait) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            Pump();
        }
        EXPECT_FALSE(label.m_hovering);
        EXPECT_EQ(label.CurrentFont(), label.m_fontPlain);
    });
}

TEST(LinkLabel, UnderlineModes) {
    RunInDialog([](LinkTestDialog& dialog) {
        ProbeLinkLabel& label = dialog.m_linkUpdate;
        const HFONT plain = label.m_fontPlain;
        const HFONT underlined = label.Underlined();
        const struct {
            int mode;
            HFONT atOnce, hovering, afterwards;
        } cases[] = {
            {1, underlined, underlined, underlined},
            {0, plain, plain, plain},
            {-1, plain, underlined, plain},
            {7, plain, plain, plain},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.mode);
            label.ChangeUnderlineMode(c.mode);
            EXPECT_EQ(label.m_underlineMode, c.mode);
            EXPECT_EQ(label.CurrentFont(), c.atOnce);
            MoveMouseOver(label);
            EXPECT_EQ(label.CurrentFont(), c.hovering);
            TickWithPointerAt(label, {-5, -5});
            EXPECT_EQ(label.CurrentFont(), c.afterwards);
        }

        // The current mode again: no font set, nothing to repaint.
        label.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(underlined), FALSE);
        ValidateRect(label.m_hWnd, nullptr);
        label.ChangeUnderlineMode(7);
        EXPECT_EQ(label.CurrentFont(), underlined);
        EXPECT_FALSE(GetUpdateRect(label.m_hWnd, nullptr, FALSE));
        // Another one repaints.
        label.ChangeUnderlineMode(0);
        EXPECT_EQ(label.CurrentFont(), plain);
        EXPECT_TRUE(GetUpdateRect(label.m_hWnd, nullptr, FALSE));
    });
}

TEST(LinkLabel, ColoursHoverOverVisitedOverNormal) {
    RunInDialog([](LinkTestDialog& dialog) {
        ProbeLinkLabel& label = dialog.m_linkUpdate;
        const HBRUSH hollow = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        auto expectColour = [&](COLORREF colour, const char* state) {
            const ColourAnswer answer = AskColours(dialog, label);
            EXPECT_EQ(answer.text, colour) << state;
            EXPECT_EQ(answer.backgroundMode, TRANSPARENT) << state;
            EXPECT_EQ(answer.brush, hollow) << state;
        };
        expectColour(RGB(0, 0, 238), "normal");
        label.MarkVisited(TRUE);
        expectColour(RGB(85, 26, 139), "visited");
        MoveMouseOver(label);
        expectColour(RGB(255, 0, 0), "visited and hovered");
        label.MarkVisited(FALSE);
        expectColour(RGB(255, 0, 0), "hovered");
        TickWithPointerAt(label, {-5, -5});
        expectColour(RGB(0, 0, 238), "after the hover");

        // The background is the dialog's face colour.
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        EXPECT_EQ(label.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory)), TRUE);
        EXPECT_EQ(GetPixel(memory, 1, 1), GetSysColor(COLOR_BTNFACE));
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    });
}

// Counts what reaches the tool tip's window.
WNDPROC g_tipProc = nullptr;
std::vector<LPARAM> g_relayed;
LRESULT CALLBACK CountRelays(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TTM_RELAYEVENT)
        g_relayed.push_back(lParam);
    return CallWindowProcA(g_tipProc, hwnd, message, wParam, lParam);
}

TEST(LinkLabel, PreTranslationRelaysEveryMessageToTheToolTip) {
    RunInDialog([](LinkTestDialog& dialog) {
        ProbeLinkLabel& label = dialog.m_linkUpdate;
        HWND tip = label.m_linkTip.m_hWnd;
        g_relayed.clear();
        g_tipProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(tip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountRelays)));

        MSG move{label.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3), 0, {0, 0}};
        MSG key{label.m_hWnd, WM_KEYDOWN, VK_SPACE, 0, 0, {0, 0}};
        EXPECT_FALSE(label.PreTranslateMessage(&move));
        EXPECT_FALSE(label.PreTranslateMessage(&key));

        SetWindowLongPtrA(tip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_tipProc));
        EXPECT_EQ(g_relayed, (std::vector<LPARAM>{reinterpret_cast<LPARAM>(&move),
                                                  reinterpret_cast<LPARAM>(&key)}));
    });
}

// Replaces MessageBeep for the lifetime of the object, recording each beep.
class BeepRecorder {
public:
    BeepRecorder() {
        VirtualProtect(&__imp_MessageBeep, sizeof __imp_MessageBeep, PAGE_READWRITE, &m_protection);
        m_saved = __imp_MessageBeep;
        __imp_MessageBeep = &Record;
    }
    ~BeepRecorder() {
        __imp_MessageBeep = m_saved;
        DWORD ignored = 0;
        VirtualProtect(&__imp_MessageBeep, sizeof __imp_MessageBeep, m_protection, &ignored);
    }

private:
    static BOOL WINAPI Record(UINT type) {
        g_events.push_back("beep " + std::to_string(type));
        return TRUE;
    }
    BOOL(WINAPI* m_saved)(UINT) = nullptr;
    DWORD m_protection = 0;
};

void Click(LinkTestDialog& dialog, const ProbeLinkLabel& label) {
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label.m_hWnd), STN_CLICKED),
                       reinterpret_cast<LPARAM>(label.m_hWnd));
}

TEST(LinkLabel, FailingClickBeepsThenReports) {
    PrivateClassRoot classes; // nothing registered: the shell and the fallback both fail
    ASSERT_TRUE(classes.IsActive());
    constexpr char kUrl[] = "focalixnone://example.test/Focalix/Focalix.html";
    const int shellCode = static_cast<int>(
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", kUrl, nullptr, nullptr, SW_SHOW)));
    ASSERT_LE(shellCode, 32);

    RunInDialog([&](LinkTestDialog& dialog) {
        ProbeLinkLabel& label = dialog.m_linkUpdate;
        label.SetLinkUrl(kUrl);
        label.MarkVisited(TRUE);
        MoveMouseOver(label);
        g_events.clear();
        BeepRecorder beeps;

        const SeenMessageBox box =
            WatchMessageBox([&] { Click(dialog, label); }, [] { g_events.push_back("box"); });

        EXPECT_EQ(g_events, (std::vector<std::string>{"beep 48", "box"}));
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(box.caption, ExecutableBaseName());
        EXPECT_EQ(box.text, "Unable to open hyperlink:\n\n" + OpenErrorMessage(shellCode));
        EXPECT_FALSE(label.m_isVisited);
        EXPECT_FALSE(label.m_hovering);
        EXPECT_EQ(AskColours(dialog, label).text, RGB(0, 0, 238));
    });
}

TEST(LinkLabel, SuccessfulClickMarksVisited) {
    PrivateClassRoot classes;
    ASSERT_TRUE(classes.IsActive());
    classes.RegisterScheme("focalixrec", classes.Recorder() + " \"%1\"");

    RunInDialog([&](LinkTestDialog& dialog) {
        ProbeLinkLabel& label = dialog.m_linkUpdate;
        label.SetLinkUrl("focalixrec://example.test/page");
        MoveMouseOver(label);
        g_events.clear();
        BeepRecorder beeps;

        Click(dialog, label);

        EXPECT_TRUE(g_events.empty());
        EXPECT_TRUE(label.m_isVisited);
        EXPECT_FALSE(label.m_hovering);
        EXPECT_EQ(AskColours(dialog, label).text, RGB(85, 26, 139)) << "visited at once";
        const auto records = classes.Records();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_NE(records[0].find("focalixrec://example.test/page"), std::string::npos);
    });
}
} // namespace
