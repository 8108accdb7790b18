#pragma once
// Template and control ids of the direct-debit tool's progress dialog.
#define IDD_DB_PROGRESS 109
#define IDC_DB_PROGRESS_BAR 1130
#define IDC_DB_PROGRESS_ABORT 1131
#define IDC_DB_PROGRESS_TITLE 1150
#define IDC_DB_PROGRESS_SUBLINE 1151
