// Numbers of the program's resources, shared by the resource script and the C++ code.
// Kept as plain #defines because the resource compiler reads this file too.
#pragma once

// Controls the code never addresses
#define IDC_STATIC          (-1)

// Dialog templates, menu, icon, strings
#define IDD_ABOUTBOX        100
#define IDD_CORDWAIN_DIALOG 102
#define IDD_PROGRESS        130
#define IDD_SUCCESS         131
#define IDR_MAINMENU        131
#define IDR_MAINFRAME       128
#define IDS_ABOUTBOX        101

// System-menu entry that opens the About box
#define IDM_ABOUTBOX        0x0010

// Main window controls
#define IDC_JOIN            3
#define IDC_ABOUT           4
#define IDC_FILE_LIST       1000
#define IDC_ADD             1003
#define IDC_REMOVE          1004
#define IDC_REMOVE_ALL      1006
#define IDC_INSERT_DIVIDERS 1007
#define IDC_SORT_LIST       1008
#define IDC_OPTIONS_LABEL   1018
#define IDC_NOTE            1019
#define IDC_FILES_GROUP     1023

// Progress dialog controls
#define IDC_PROGRESS_BAR    1008
#define IDC_CURRENT_FILE    1009

// Menu commands
#define ID_ACTION_ADD       32771
#define ID_ACTION_REMOVE    32772
#define ID_ACTION_REMOVE_ALL 32773
#define ID_PROGRAM_EXIT     32774
#define ID_ACTION_JOIN      32776
#define ID_PROGRAM_ABOUT    32777
#define ID_OPTIONS_INSERT_DIVIDERS 32778
