#pragma once
// Template and control ids of the data correction screen TX301.
#define IDD_KORTX301 131

#define IDC_TX301_VERSION 1020
#define IDC_TX301_GRID 1021
#define IDC_TX301_UPDATE 1022
#define IDC_TX301_BACK 1023
#define IDC_TX301_ERROR_LIST 1024
#define IDC_TX301_VIEW_ALL 1025
#define IDC_TX301_VIEW_ERRORS 1026
