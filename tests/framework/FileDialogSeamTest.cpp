// The file-dialog seam: a test answers in place of the user; without a handler the real
// dialog opens (scripted here through a thread timer, as a user would press its buttons).
#include "framework/FileDialogSeam.h"

#include <gtest/gtest.h>

#include <commdlg.h>

#include <string>

#include "framework/App.h"
#include "framework/UniqueHandle.h"
#include "support/TestPaths.h"

namespace {

kor::FileDialogRequest OpenRequest() {
    kor::FileDialogRequest request;
    request.filter = "ﾃｷｽﾄﾌｧｲﾙ (*.txt *.csv)|*.csv;*.txt|すべてのﾌｧｲﾙ (*.*)|*.*||";
    request.defaultExt = "csv;txt";
    request.fileName = "振込データ_out.txt";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return request;
}

TEST(FileDialogSeam, AHandlerAnswersInPlaceOfTheUser) {
    std::vector<kor::FileDialogRequest> seen;
    const kor::FileDialogHandler previous =
        kor::SetFileDialogHandler([&](const kor::FileDialogRequest& r) {
            seen.push_back(r);
            return seen.size() == 1 ? std::optional<std::string>("C:\\データ\\振込.csv")
                                    : std::nullopt;
        });
    const HWND owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x88));
    kor::FileDialogRequest request = OpenRequest();
    request.owner = owner;
    EXPECT_EQ(kor::ShowFileDialog(request), std::optional<std::string>("C:\\データ\\振込.csv"));
    request.save = true;
    EXPECT_EQ(kor::ShowFileDialog(request), std::nullopt);
    const kor::FileDialogHandler mine = kor::SetFileDialogHandler(previous);
    EXPECT_TRUE(mine);

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].owner, owner);
    EXPECT_FALSE(seen[0].save);
    EXPECT_TRUE(seen[1].save);
    EXPECT_EQ(seen[0].filter, request.filter);
    EXPECT_EQ(seen[0].defaultExt, "csv;txt");
    EXPECT_EQ(seen[0].fileName, "振込データ_out.txt");
    EXPECT_EQ(seen[0].flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
}

// --- The real dialog --------------------------------------------------------------------------

// Presses a button of the thread's file dialog once it is shown.
struct DialogScript {
    static inline int button = IDCANCEL;
    static inline bool seen = false;
    static inline std::wstring caption;

    static BOOL CALLBACK FindDialog(HWND hwnd, LPARAM found) {
        wchar_t cls[16] = {};
        GetClassNameW(hwnd, cls, 16);
        if (IsWindowVisible(hwnd) && lstrcmpW(cls, L"#32770") == 0) {
            *reinterpret_cast<HWND*>(found) = hwnd;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog || seen) return;
        seen = true;
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }
};

class RealFileDialogTest : public testing::Test {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        DialogScript::seen = false;
        timer = SetTimer(nullptr, 0, 50, DialogScript::OnTimer);
    }
    void TearDown() override { KillTimer(nullptr, timer); }
    UINT_PTR timer = 0;
};

TEST_F(RealFileDialogTest, CancelGivesNothing) {
    DialogScript::button = IDCANCEL;
    EXPECT_EQ(kor::ShowFileDialog(OpenRequest()), std::nullopt);
    EXPECT_TRUE(DialogScript::seen);
}

TEST_F(RealFileDialogTest, OkGivesTheFullPathOfTheStartingName) {
    const std::string dir = kortest::ScratchDir("FileDialog_日本語");
    ASSERT_TRUE(kortest::WriteBytes(dir + "振込データ.csv", "1\r\n"));
    DialogScript::button = IDOK;
    kor::FileDialogRequest request = OpenRequest();
    request.fileName = dir + "振込データ.csv";
    EXPECT_EQ(kor::ShowFileDialog(request), std::optional<std::string>(request.fileName));
    EXPECT_TRUE(DialogScript::seen);
}

}  // namespace
