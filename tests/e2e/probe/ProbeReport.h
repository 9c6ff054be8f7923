/* What the probe reads inside Focalix.exe and hands to the test: the main window's system
   menu and icons, which Wine shows to no other process. Plain C, shared by the probe (C)
   and the test (C++). The test creates the shared report and posts the probe message to
   the window with its own process id; the probe, hooked into the window's thread, fills
   the report in and sets `done` last. */
#ifndef FOCALIX_E2E_PROBE_REPORT_H
#define FOCALIX_E2E_PROBE_REPORT_H

#include <windows.h>

#define FOCALIX_PROBE_MESSAGE "Focalix.E2E.Probe.Read"
#define FOCALIX_PROBE_HOOK_PROC "FocalixProbeGetMessageHook"
#define FOCALIX_PROBE_MAX_ITEMS 32
#define FOCALIX_PROBE_TEXT_SIZE 64

typedef struct {
    UINT type; /* MFT_* */
    UINT id;
    char text[FOCALIX_PROBE_TEXT_SIZE];
} FocalixProbeMenuItem;

typedef struct {
    LONG done;
    int menuItemCount; /* -1 when the window has no system menu */
    FocalixProbeMenuItem items[FOCALIX_PROBE_MAX_ITEMS];
    /* Handles as numbers: the same 64-bit build reads and writes them. */
    UINT64 bigIcon;      /* WM_GETICON ICON_BIG */
    UINT64 smallIcon;    /* WM_GETICON ICON_SMALL */
    UINT64 dragIcon;     /* WM_QUERYDRAGICON */
    UINT64 resourceIcon; /* LoadIconA of the program's own icon resource */
} FocalixProbeReport;

/* The shared report's name, made from the test's process id. */
static inline void FocalixProbeReportName(DWORD testProcessId, char name[64]) {
    wsprintfA(name, "Focalix.E2E.Probe.Report.%lu", (unsigned long)testProcessId);
}

#endif
