#pragma once
// Template and control ids of the data correction screen XF301.
#define IDD_KORXF301 111

#define IDC_XF301_VIEW_ALL 1020
#define IDC_XF301_VIEW_ERRORS 1022
#define IDC_XF301_UPDATE 1024
#define IDC_XF301_BACK 1025
#define IDC_XF301_ERROR_LIST 1026
#define IDC_XF301_GRID 1027
#define IDC_XF301_VERSION 1164
