#pragma once
// Template and control ids of the fixed-length pattern settings screen XF303.
#define IDD_KORXF303 116

#define IDC_XF303_BACK 1040
#define IDC_XF303_CLEAR 1041
#define IDC_XF303_UPDATE 1042
#define IDC_XF303_DELETE 1043
#define IDC_XF303_ZERO_ERROR 1050
#define IDC_XF303_ZERO_SKIP 1051
#define IDC_XF303_BLANK_ERROR 1052
#define IDC_XF303_BLANK_SKIP 1053
#define IDC_XF303_GENERAL 1054
#define IDC_XF303_SALARY 1055
#define IDC_XF303_OUTPUT_120 1060
#define IDC_XF303_OUTPUT_126 1061
#define IDC_XF303_OUTPUT_128 1062
#define IDC_XF303_LINE_BREAK 1063
#define IDC_XF303_NO_LINE_BREAK 1064
#define IDC_XF303_RECORD_LENGTH 1065
// Account-type texts for the codes 1, 2, 4 and 9: 1066 to 1069.
#define IDC_XF303_ACCOUNT_TYPE_FIRST 1066
// Start and length of item k: 1070 + 2k and 1071 + 2k.
#define IDC_XF303_ITEM_FIRST 1070
#define IDC_XF303_NAME 1094
#define IDC_XF303_VERSION 1166
