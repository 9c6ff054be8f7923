/* A hook DLL that the end-to-end test installs on the thread of Focalix's main window;
   Wine then loads it into Focalix.exe to call the hook, and there it can read what is
   visible only inside that process. It acts on the test's private message alone. */
#include <windows.h>

#include "resources/resource.h"
#include "tests/e2e/probe/ProbeReport.h"

static void ReadMenu(HWND window, FocalixProbeReport* report) {
    HMENU menu = GetSystemMenu(window, FALSE);
    report->menuItemCount = menu != NULL ? GetMenuItemCount(menu) : -1;
    for (int i = 0; i < report->menuItemCount && i < FOCALIX_PROBE_MAX_ITEMS; ++i) {
        FocalixProbeMenuItem* item = &report->items[i];
        MENUITEMINFOA info;
        ZeroMemory(&info, sizeof(info));
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = item->text;
        info.cch = FOCALIX_PROBE_TEXT_SIZE;
        if (GetMenuItemInfoA(menu, (UINT)i, TRUE, &info)) {
            item->type = info.fType;
            item->id = info.wID;
        }
    }
}

static UINT64 HandleValue(LRESULT handle) {
    return (UINT64)(ULONG_PTR)handle;
}

static void ReadIcons(HWND window, FocalixProbeReport* report) {
    /* Sent from the window's own thread: straight calls of its procedure. */
    report->bigIcon = HandleValue(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    report->smallIcon = HandleValue(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    report->dragIcon = HandleValue(SendMessageA(window, WM_QUERYDRAGICON, 0, 0));
    report->resourceIcon =
        (UINT64)(ULONG_PTR)LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDI_MAIN));
}

static void Report(HWND window, DWORD testProcessId) {
    char name[64];
    FocalixProbeReportName(testProcessId, name);
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name);
    if (mapping == NULL)
        return;
    FocalixProbeReport* report =
        (FocalixProbeReport*)MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(*report));
    if (report != NULL) {
        ReadMenu(window, report);
        ReadIcons(window, report);
        InterlockedExchange(&report->done, 1);
        UnmapViewOfFile(report);
    }
    CloseHandle(mapping);
}

__declspec(dllexport) LRESULT CALLBACK
    FocalixProbeGetMessageHook(int code, WPARAM removal, LPARAM lParam) {
    MSG* msg = (MSG*)lParam;
    if (code == HC_ACTION && removal == PM_REMOVE &&
        msg->message == RegisterWindowMessageA(FOCALIX_PROBE_MESSAGE) && msg->hwnd != NULL) {
        Report(msg->hwnd, (DWORD)msg->wParam);
        msg->message = WM_NULL; /* the program never sees it */
    }
    return CallNextHookEx(NULL, code, removal, lParam);
}
