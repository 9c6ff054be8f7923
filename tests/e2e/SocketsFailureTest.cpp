// When the sockets layer can't start, Focalix shows one message box and ends, having shown
// no window and read or written no settings. WSAStartup is made to fail by a stand-in
// ws2_32.dll next to a copy of the program; the program itself is unchanged.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>

#include "tests/e2e/ChildProcess.h"
#include "tests/e2e/TempDirectory.h"
#include "tests/e2e/TestPaths.h"
#include "tests/e2e/WindowQueries.h"

namespace {
// The pixels of a window's area of the screen.
class ScreenCapture {
public:
    explicit ScreenCapture(HWND window) {
        GetWindowRect(window, &m_rect);
        m_width = m_rect.right - m_rect.left;
        m_height = m_rect.bottom - m_rect.top;
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        m_bitmap = CreateCompatibleBitmap(screen, m_width, m_height);
        m_old = SelectObject(m_dc, m_bitmap);
        BitBlt(m_dc, 0, 0, m_width, m_height, screen, m_rect.left, m_rect.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
    ~ScreenCapture() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    ScreenCapture(const ScreenCapture&) = delete;
    ScreenCapture& operator=(const ScreenCapture&) = delete;

    std::vector<COLORREF> Pixels() const {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                pixels.push_back(GetPixel(m_dc, x, y));
        return pixels;
    }
    // How many captured pixels drawing `icon` over them changes: few (only blended edges)
    // when the same icon is already there. Spends the capture.
    int PixelsChangedBy(HICON icon) const {
        const std::vector<COLORREF> before = Pixels();
        DrawIconEx(m_dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
        const std::vector<COLORREF> after = Pixels();
        int changed = 0;
        for (size_t i = 0; i < after.size(); ++i)
            changed += after[i] != before[i];
        return changed;
    }

private:
    RECT m_rect{};
    int m_width = 0, m_height = 0;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

// Has Wine prefer a ws2_32.dll found next to Focalix.exe over its own, for as long as it
// lives. Wine takes DLL overrides from the Unix environment, which a child started from
// here inherits from this process whatever environment block it is given, so the
// per-program registry key does it instead. "native,builtin": a Focalix.exe with no
// stand-in beside it still gets the real one.
class PreferLocalWinsockForFocalix {
public:
    PreferLocalWinsockForFocalix() {
        HKEY key = nullptr;
        m_ok = RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                               nullptr) == ERROR_SUCCESS;
        if (m_ok) {
            static const char kOrder[] = "native,builtin";
            m_ok = RegSetValueExA(key, "ws2_32", 0, REG_SZ, reinterpret_cast<const BYTE*>(kOrder),
                                  sizeof(kOrder)) == ERROR_SUCCESS;
            RegCloseKey(key);
        }
    }
    ~PreferLocalWinsockForFocalix() {
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Focalix.exe");
    }
    PreferLocalWinsockForFocalix(const PreferLocalWinsockForFocalix&) = delete;
    PreferLocalWinsockForFocalix& operator=(const PreferLocalWinsockForFocalix&) = delete;
    bool Ok() const { return m_ok; }

private:
    static constexpr const char* kKey = "Software\\Wine\\AppDefaults\\Focalix.exe\\DllOverrides";
    bool m_ok = false;
};

bool IsIconStatic(HWND window) {
    return ClassName(window) == "Static" &&
           (GetWindowLongPtrA(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

TEST(SocketsFailure, OneMessageBoxThenTheProcessEndsWithoutWindowOrFile) {
    TempDirectory directory;
    ASSERT_TRUE(CopyFileTo(FocalixExePath(), directory.File("Focalix.exe")));
    ASSERT_TRUE(CopyFileTo(FailingWinsockDllPath(), directory.File("ws2_32.dll")));
    PreferLocalWinsockForFocalix localWinsock;
    ASSERT_TRUE(localWinsock.Ok());
    ChildProcess focalix(directory.File("Focalix.exe"), directory.Path());
    ASSERT_TRUE(focalix.Started());

    // Captioned with the executable's base name.
    const HWND box = focalix.WaitForWindow("Focalix");
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(ClassName(box), "#32770");
    EXPECT_EQ(focalix.Windows(), std::vector<HWND>{box}) << "exactly one window: the box";

    std::vector<std::string> buttons, texts;
    HWND icon = nullptr;
    for (HWND child : ChildWindows(box)) {
        if (!IsWindowVisible(child))
            continue;
        if (ClassName(child) == "Button")
            buttons.push_back(WindowTextA(child));
        else if (IsIconStatic(child))
            icon = child;
        else if (ClassName(child) == "Static")
            texts.push_back(WindowTextA(child));
    }
    EXPECT_EQ(buttons, std::vector<std::string>{"OK"}); // MB_OK
    EXPECT_EQ(texts, std::vector<std::string>{"Echec de l'initialisation des sockets Windows."});
    ASSERT_NE(icon, nullptr) << "no icon in the box";
    // MB_ICONEXCLAMATION: of the four message-box icons, the exclamation is the one that
    // changes the fewest pixels when drawn over what the box shows.
    EXPECT_TRUE(WaitUntil([&] {
        const std::vector<COLORREF> pixels = ScreenCapture(icon).Pixels();
        return std::set<COLORREF>(pixels.begin(), pixels.end()).size() > 2; // painted
    }));
    const int exclamation =
        ScreenCapture(icon).PixelsChangedBy(LoadIconA(nullptr, IDI_EXCLAMATION));
    for (LPCSTR other : {IDI_HAND, IDI_QUESTION, IDI_ASTERISK})
        EXPECT_LT(exclamation, ScreenCapture(icon).PixelsChangedBy(LoadIconA(nullptr, other)));

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(focalix.WaitForExit(&exitCode));
    EXPECT_EQ(exitCode, 0u);
    std::vector<std::string> files = directory.FileNames();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"Focalix.exe", "ws2_32.dll"}));
}
} // namespace
