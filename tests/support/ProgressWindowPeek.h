#pragma once
// A long job whose progress window a test can look at while the job runs: which template it
// was made from, told by the ids of its title line, bar, sub-line and abort button.
#include <windows.h>

#include "common/base/ProgressDlg.h"
#include "common/base/ProgressTask.h"

namespace kortest {

template <class Job>
class ProgressWindowPeek : public Job {
public:
    using Job::Job;
    HWND Dialog() const { return this->m_dialog ? this->m_dialog->GetSafeHwnd() : nullptr; }
    // True when the window shown holds every control of ids.
    bool ShowsTemplate(const ProgressDialogIds& ids) const {
        const HWND dialog = Dialog();
        if (!dialog) return false;
        for (int id : {ids.title, ids.bar, ids.subLine, ids.abort}) {
            if (!GetDlgItem(dialog, id)) return false;
        }
        return true;
    }
};

}  // namespace kortest
