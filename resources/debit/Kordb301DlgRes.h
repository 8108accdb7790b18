#pragma once
// Template and control ids of the data correction screen DB301.
#define IDD_KORDB301 104

#define IDC_DB301_UPDATE 1020
#define IDC_DB301_BACK 1021
#define IDC_DB301_ERROR_LIST 1022
#define IDC_DB301_VIEW_ALL 1023
#define IDC_DB301_VIEW_ERRORS 1024
#define IDC_DB301_GRID 1025
#define IDC_DB301_VERSION 1155
