#pragma once
// Ids of the framework's test dialog (FrameworkTestDialog.rc).
#define IDD_FRAMEWORK_TEST 200
#define IDC_FT_CODE 1900
#define IDC_FT_VERSION 1901
#define IDC_FT_LABEL 1902
#define IDC_FT_EDIT 1910
#define IDC_FT_EDIT2 1911
#define IDC_FT_READONLY 1912
#define IDC_FT_COMBO 1920
#define IDC_FT_COMBO_EDITABLE 1921
#define IDC_FT_LIST 1930
#define IDC_FT_PROGRESS 1940
#define IDC_FT_RADIO1 1950
#define IDC_FT_RADIO2 1951
#define IDC_FT_CLOSE 1960
