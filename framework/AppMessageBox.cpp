// The application message box and string loading.
#include <vector>

#include "framework/WinApp.h"
#include "framework/Wnd.h"

std::string LoadResourceString(UINT id) {
    // A string-table entry holds at most 4097 characters; a multibyte code page may need
    // two bytes for each.
    std::vector<char> buffer(2 * 4097 + 1, '\0');
    const int length =
        LoadStringA(GetInstanceHandle(), id, buffer.data(), static_cast<int>(buffer.size()));
    return length > 0 ? std::string(buffer.data(), static_cast<size_t>(length)) : std::string();
}

int AppMessageBox(const char* text, UINT type, UINT /*helpContext*/) {
    if ((type & MB_ICONMASK) == 0 && (type & MB_TYPEMASK) == MB_OK)
        type |= MB_ICONEXCLAMATION;
    HWND owner = nullptr;
    if (CWinApp* app = GetApp(); app != nullptr && app->m_pMainWnd != nullptr)
        owner = app->m_pMainWnd->m_hWnd;
    const std::string caption = ApplicationName();
    return MessageBoxA(owner, text != nullptr ? text : "", caption.c_str(), type);
}

int AppMessageBox(UINT stringId, UINT type, UINT helpContext) {
    const std::string text = LoadResourceString(stringId);
    return AppMessageBox(text.c_str(), type, helpContext);
}
