#pragma once
// Ids of the grid test dialog (GridTestDialog.rc).
#define IDD_GRID_TEST 100
#define IDC_GRID 1027
#define IDC_OTHER_EDIT 1028
#define IDC_BACK 1025
