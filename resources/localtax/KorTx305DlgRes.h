#pragma once
// Template and control ids of the requester screen TX305.
#define IDD_KORTX305 135

#define IDC_TX305_VERSION 1130
#define IDC_TX305_NAME1 1131
#define IDC_TX305_NAME2 1132
#define IDC_TX305_ADDRESS1 1133
#define IDC_TX305_ADDRESS2 1134
#define IDC_TX305_BACK 1135
#define IDC_TX305_UPDATE 1136
