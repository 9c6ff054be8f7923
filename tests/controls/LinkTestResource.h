// Resource numbers of the link label tests' own dialog.
#pragma once

#define IDD_LINK_TEST 210
#define IDC_LINK_MAIN 1018
#define IDC_LINK_LEFT 1101
#define IDC_LINK_CENTER 1102
#define IDC_LINK_RIGHT 1103
#define IDC_LINK_CENTERIMAGE 1104
#define IDC_LINK_EMPTY 1105
#define IDC_LINK_BORDER 1106
