// CWinApp: the single application object and its standard loop.
#include "framework/WinApp.h"

#include <vector>

#include "framework/Wnd.h"

namespace {
CWinApp* g_application = nullptr;

std::string ModuleBaseName(HINSTANCE instance) {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(instance, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768)
            return {};
        path.resize(path.size() * 2);
    }
    std::string name(path.begin(), path.end());
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}
} // namespace

CWinApp::CWinApp() {
    g_application = this;
}

CWinApp::~CWinApp() {
    if (g_application == this)
        g_application = nullptr;
}

void CWinApp::InitApplication(HINSTANCE instance) {
    m_hInstance = instance;
    m_appName = ModuleBaseName(instance);
}

int CWinApp::Run() {
    MSG msg{};
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        if (PreTranslateAlongChain(&msg, nullptr))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return ExitInstance();
}

CWinApp* GetApp() {
    return g_application;
}

HINSTANCE GetInstanceHandle() {
    if (g_application != nullptr && g_application->m_hInstance != nullptr)
        return g_application->m_hInstance;
    return GetModuleHandleA(nullptr);
}

std::string ApplicationName() {
    if (g_application != nullptr && !g_application->m_appName.empty())
        return g_application->m_appName;
    return ModuleBaseName(nullptr);
}
