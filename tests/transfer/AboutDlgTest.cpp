// The about box names the program it is given in its caption (the transfer tool's template
// says the same for Korxf300).
#include "framework/AboutDlg.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/App.h"
#include "framework/Cp932.h"
#include "resources/transfer/Korxf300DlgRes.h"

namespace {

TEST(AboutDlg, TheCaptionNamesTheProgram) {
    kor::InitCommonControlClasses();
    for (const char* program : {"Korxf300", "Kordb300"}) {
        kor::CAboutDlg about(IDD_ABOUTBOX, program);
        ASSERT_TRUE(about.Create());
        wchar_t caption[64] = {};
        GetWindowTextW(about.GetSafeHwnd(), caption, 64);
        EXPECT_EQ(kor::ToCp932(caption), std::string(program) + "のﾊﾞｰｼﾞｮﾝ情報");
    }
}

}  // namespace
