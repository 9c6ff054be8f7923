// Resource numbers of the framework tests' own dialog and strings.
#pragma once

#define IDD_TEST 200
#define IDD_MISSING 299
#define IDC_EDIT_A 300
#define IDC_EDIT_B 301
#define IDC_EDIT_C 302
#define IDC_LABEL 303
#define IDC_PLAIN 304
#define IDS_TEST_TEXT 400
#define IDS_MISSING 499
