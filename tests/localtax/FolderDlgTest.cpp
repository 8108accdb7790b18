#include "localtax/FolderDlg.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/FolderDialogSeam.h"

namespace tx {
namespace {

// Answers the folder browser in place of a user and records what it was asked.
class FolderAnswer {
public:
    explicit FolderAnswer(std::optional<std::string> answer) {
        m_previous = kor::SetFolderDialogHandler([this, answer](const kor::FolderDialogRequest& r) {
            asked.push_back(r);
            return answer;
        });
    }
    ~FolderAnswer() { kor::SetFolderDialogHandler(std::move(m_previous)); }
    FolderAnswer(const FolderAnswer&) = delete;
    FolderAnswer& operator=(const FolderAnswer&) = delete;

    std::vector<kor::FolderDialogRequest> asked;

private:
    kor::FolderDialogHandler m_previous;
};

const HWND kOwner = reinterpret_cast<HWND>(0x1234);

TEST(FolderDlg, AChosenFolderIsTakenWithTheRequestOfTheMainScreen) {
    FolderAnswer answer("D:\\出力\\表ソ");
    CFolderDlg dlg(kOwner, BIF_RETURNONLYFSDIRS);
    EXPECT_EQ(dlg.Browse("変換後フォルダ名", "C:\\work"), TRUE);
    EXPECT_EQ(dlg.Path(), "D:\\出力\\表ソ");
    ASSERT_EQ(answer.asked.size(), 1u);
    EXPECT_EQ(answer.asked[0].owner, kOwner);
    EXPECT_EQ(answer.asked[0].title, "変換後フォルダ名");
    EXPECT_EQ(answer.asked[0].initialPath, "C:\\work");
    EXPECT_EQ(answer.asked[0].flags, static_cast<UINT>(BIF_RETURNONLYFSDIRS));
}

TEST(FolderDlg, CancelKeepsThePathChosenBefore) {
    CFolderDlg dlg(nullptr, BIF_RETURNONLYFSDIRS);
    {
        FolderAnswer answer("C:\\first");
        ASSERT_EQ(dlg.Browse("変換後フォルダ名"), TRUE);
        EXPECT_EQ(answer.asked[0].initialPath, "");
    }
    FolderAnswer cancel(std::nullopt);
    EXPECT_EQ(dlg.Browse("変換後フォルダ名", "C:\\first"), FALSE);
    EXPECT_EQ(dlg.Path(), "C:\\first");
}

}  // namespace
}  // namespace tx
