// The local-tax tool's progress window: template 120 with its own ids, its abort questions and
// the abort button that a job enables or disables.
#include <gtest/gtest.h>

#include <string>

#include "common/base/ProgressDlg.h"
#include "framework/App.h"
#include "framework/Controls.h"
#include "localtax/ApMsgInfoList.h"
#include "localtax/ProgressQuestions.h"
#include "support/JobHost.h"
#include "support/MessageScript.h"
#include "support/TestPaths.h"

namespace tx {
namespace {

class TaxTask : public CProgressTask {
public:
    TaxTask(::CApMsgInfoList* messages, HWND parent)
        : CProgressTask(messages, parent, kAbortQuestions, kProgressDialog) {}
    HWND Dialog() const { return m_dialog ? m_dialog->GetSafeHwnd() : nullptr; }
    HWND Item(int id) const { return GetDlgItem(Dialog(), id); }
    std::string Text(int id) const { return kor::CWindowView(Item(id)).GetText(); }
};

class TaxProgressDialog : public testing::Test {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        std::string folder = kortest::ScratchDirOfTest();
        ASSERT_TRUE(
            kortest::WriteBytes(folder + CApMsgInfoList::kFileName,
                                "\"19\",\"1\",\"32\",\"%s処理を中断します。よろしいですか？\"\r\n"
                                "\"20\",\"1\",\"32\",\"印刷を中断します。よろしいですか？\"\r\n"));
        folder.pop_back();
        ASSERT_EQ(messages.Load(folder), 0u);
    }
    CApMsgInfoList messages;
    kor::UniqueWindow screen = kortest::MakeScreenWindow();
};

TEST_F(TaxProgressDialog, Template120WithItsOwnIds) {
    TaxTask task(&messages, screen.get());
    ASSERT_EQ(task.ShowProgress("読込中です．．．", "地方税.csv"), 1);
    EXPECT_EQ(task.Text(1146), "読込中です．．．");
    EXPECT_EQ(task.Text(1147), "地方税.csv");
    EXPECT_EQ(task.Text(1145), "中断");
    EXPECT_FALSE(IsWindowEnabled(screen.get()));
    task.SetRange(0, 10);
    task.SetPos(7);
    EXPECT_EQ(kor::CProgressView(task.Item(1144)).GetPos(), 7);
    task.CloseProgress();
    EXPECT_TRUE(IsWindowEnabled(screen.get()));
}

TEST_F(TaxProgressDialog, TheAbortQuestionFollowsTheTitleLine) {
    const struct {
        const char* title;
        const char* question;
    } cases[] = {
        {"読込中です．．．", "読込処理を中断します。よろしいですか？"},
        {"変換中．．．", "変換処理を中断します。よろしいですか？"},
        {"印刷中です．．．", "印刷を中断します。よろしいですか？"},
        {"書込中です．．．", "読込処理を中断します。よろしいですか？"},
    };
    for (const auto& c : cases) {
        TaxTask task(&messages, screen.get());
        ASSERT_EQ(task.ShowProgress(c.title, nullptr), 1);
        kortest::MessageScript script({IDCANCEL, IDOK});
        PostMessageW(task.Item(1145), BM_CLICK, 0, 0);
        EXPECT_EQ(task.PumpMessages(), 0) << c.title;  // Cancel: the job goes on
        PostMessageW(task.Item(1145), BM_CLICK, 0, 0);
        EXPECT_EQ(task.PumpMessages(), 1) << c.title;
        ASSERT_EQ(script.Shown().size(), 2u) << c.title;
        EXPECT_EQ(script.Shown()[0].text, c.question);
        EXPECT_EQ(script.Shown()[1].text, c.question);
    }
}

TEST_F(TaxProgressDialog, EnableCancelSwitchesTheAbortButton) {
    TaxTask task(&messages, screen.get());
    task.EnableCancel(false);  // no dialog yet: nothing to do
    ASSERT_EQ(task.ShowProgress("変換中．．．", nullptr), 1);
    EXPECT_TRUE(IsWindowEnabled(task.Item(1145)));
    task.EnableCancel(false);
    EXPECT_FALSE(IsWindowEnabled(task.Item(1145)));
    task.EnableCancel(true);
    EXPECT_TRUE(IsWindowEnabled(task.Item(1145)));
}

}  // namespace
}  // namespace tx
