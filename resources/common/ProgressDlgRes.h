#pragma once
// Template and control ids of the progress dialog that every tool shows during long jobs.
#define IDD_PROGRESS 115
#define IDC_PROGRESS_BAR 1140
#define IDC_PROGRESS_ABORT 1142
#define IDC_PROGRESS_TITLE 1160
#define IDC_PROGRESS_SUBLINE 1162
// The program icon; each tool's own resources hold it.
#define IDR_PROGRAM_ICON 102
