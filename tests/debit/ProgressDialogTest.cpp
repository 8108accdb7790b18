// The direct-debit tool's progress window: its own template and ids through the shared task.
#include <gtest/gtest.h>

#include <string>

#include "common/base/ApMsgInfoList.h"
#include "common/base/ProgressDlg.h"
#include "debit/ProgressQuestions.h"
#include "framework/App.h"
#include "framework/Controls.h"
#include "support/JobHost.h"
#include "support/MessageScript.h"

namespace {

class DebitTask : public CProgressTask {
public:
    DebitTask(CApMsgInfoList* messages, HWND parent)
        : CProgressTask(messages, parent, db::kAbortQuestions, db::kProgressDialog) {}
    HWND Dialog() const { return m_dialog ? m_dialog->GetSafeHwnd() : nullptr; }
    std::string Text(int id) const { return kor::CWindowView(GetDlgItem(Dialog(), id)).GetText(); }
};

TEST(DebitProgressDialog, Template109WithItsOwnIdsAndQuestions) {
    kor::InitCommonControlClasses();
    CApMsgInfoList messages;
    ASSERT_EQ(
        kortest::LoadMessageLines(messages,
                                  "\"25\",\"1\",\"32\",\"%s処理を中断します。よろしいですか？\"\r\n"
                                  "\"26\",\"1\",\"32\",\"印刷を中断します。よろしいですか？\"\r\n"),
        0u);
    const kor::UniqueWindow screen = kortest::MakeScreenWindow();
    DebitTask task(&messages, screen.get());
    ASSERT_EQ(task.ShowProgress("読込中です．．．", "口座振替.csv"), 1);
    EXPECT_EQ(task.Text(1150), "読込中です．．．");
    EXPECT_EQ(task.Text(1151), "口座振替.csv");
    EXPECT_EQ(task.Text(1131), "中断");
    RECT bar{0, 0, 120, 15};
    MapDialogRect(task.Dialog(), &bar);
    RECT shown{};
    GetWindowRect(GetDlgItem(task.Dialog(), 1130), &shown);
    EXPECT_EQ(shown.right - shown.left, bar.right);
    task.SetRange(0, 10);
    task.SetPos(4);
    EXPECT_EQ(kor::CProgressView(GetDlgItem(task.Dialog(), 1130)).GetPos(), 4);

    kortest::MessageScript script({IDCANCEL, IDOK});
    PostMessageW(GetDlgItem(task.Dialog(), 1131), BM_CLICK, 0, 0);
    EXPECT_EQ(task.PumpMessages(), 0);
    ASSERT_EQ(task.ShowProgress("印刷中です．．．", nullptr), 1);
    PostMessageW(GetDlgItem(task.Dialog(), 1131), BM_CLICK, 0, 0);
    EXPECT_EQ(task.PumpMessages(), 1);
    ASSERT_EQ(script.Shown().size(), 2u);
    EXPECT_EQ(script.Shown()[0].text, "読込処理を中断します。よろしいですか？");
    EXPECT_EQ(script.Shown()[1].text, "印刷を中断します。よろしいですか？");

    task.DisableCancel();
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(task.Dialog(), 1131)));
}

}  // namespace
