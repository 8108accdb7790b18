#pragma once
// Template and control ids of the data check screen TX302.
#define IDD_KORTX302 132

#define IDC_TX302_VERSION 1030
#define IDC_TX302_GRID 1031
#define IDC_TX302_BACK 1032
#define IDC_TX302_PRINT_LIST 1033
#define IDC_TX302_PRINT_TOTALS 1034
