#pragma once
// Template and control ids of the data check screen DB302.
#define IDD_KORDB302 105

#define IDC_DB302_BACK 1030
#define IDC_DB302_PRINT_LIST 1031
#define IDC_DB302_PRINT_TOTALS 1032
#define IDC_DB302_GRID 1033
#define IDC_DB302_SORT_ORDER 1034
#define IDC_DB302_VERSION 1156
