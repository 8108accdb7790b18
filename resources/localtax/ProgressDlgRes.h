#pragma once
// Template and control ids of the local-tax tool's progress dialog.
#define IDD_TX_PROGRESS 120
#define IDC_TX_PROGRESS_BAR 1144
#define IDC_TX_PROGRESS_ABORT 1145
#define IDC_TX_PROGRESS_TITLE 1146
#define IDC_TX_PROGRESS_SUBLINE 1147
