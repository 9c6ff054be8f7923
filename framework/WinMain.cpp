// The program's entry: initialises the application object and runs its hooks.
#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = GetApp();
    if (app == nullptr)
        return 0;
    try {
        app->InitApplication(instance);
        if (app->InitInstance())
            return app->Run(); // Run ends with ExitInstance
        return app->ExitInstance();
    } catch (...) {
        return 1;
    }
}
