// Resource numbers of Focalix. Plain #defines only: the resource compiler reads this
// file too, and calc/ (which has no window-system headers) uses the control numbers.
#ifndef FOCALIX_RESOURCES_RESOURCE_H
#define FOCALIX_RESOURCES_RESOURCE_H

// Dialog templates, strings, icon and the system-menu command.
#define IDD_ABOUT 100
#define IDS_ABOUT_MENU 101
#define IDD_MAIN 102
#define IDS_SOCKETS_FAILED 103
#define IDI_MAIN 128
#define IDM_ABOUT 0x0010

// Controls of the main window.
#define IDC_PIXELS_WIDTH 1000
#define IDC_PIXELS_LENGTH 1001
#define IDC_PIXEL_SIZE_WIDTH 1002
#define IDC_PIXEL_SIZE_LENGTH 1003
#define IDC_DIAMETER 1004
#define IDC_FOCAL 1005
#define IDC_FOCAL_RATIO 1006
#define IDC_FIELD_LENGTH 1007
#define IDC_FIELD_WIDTH 1008
#define IDC_SAMPLING_LENGTH 1009
#define IDC_SAMPLING_WIDTH 1010
#define IDC_FOCAL_DEEP_SKY 1011
#define IDC_FOCAL_PLANETARY 1012
#define IDC_RESOLVING_POWER 1013
#define IDC_OBJECT_LENGTH 1014
#define IDC_OBJECT_WIDTH 1015
#define IDC_OBJECT_PIXELS_LENGTH 1016
#define IDC_OBJECT_PIXELS_WIDTH 1017
#define IDC_UPDATE_LINK 1018

// The system's command numbers, for code built without the window-system headers.
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif

#endif
