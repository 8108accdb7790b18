#pragma once
// Template and control ids of the data check screen XF302.
#define IDD_KORXF302 112

#define IDC_XF302_GRID 1030
#define IDC_XF302_BACK 1031
#define IDC_XF302_PRINT_LIST 1032
#define IDC_XF302_PRINT_TOTALS 1033
#define IDC_XF302_SORT_GROUP 1034
#define IDC_XF302_SORT_ORDER 1035
#define IDC_XF302_VERSION 1165
