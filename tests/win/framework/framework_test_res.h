// Numbers of the framework tests' own resources, clear of the program's.
#pragma once

#define IDD_FW_TEST 9100
#define IDR_FW_MENU 9101
#define IDC_FW_CHECK 9110
#define IDC_FW_EDIT 9111
#define IDC_FW_LIST 9112
#define ID_FW_FIRST 9120
#define ID_FW_SECOND 9121
#define ID_FW_THIRD 9122
