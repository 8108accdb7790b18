#include "support/HeaderRecordScreenTest.h"

// After windows.h.
#include <imm.h>

namespace kortest {

void PrintTo(const LeaveCase& c, std::ostream* os) {
    *os << c.name;
}

std::string LeaveCaseName(const testing::TestParamInfo<LeaveCase>& info) {
    return info.param.name;
}

void ChooseDescription(kor::CDialogBase& screen, const HeaderRecordTestIds& ids, int index) {
    screen.Combo(ids.description).SetCurSel(index);
    Notify(screen.GetSafeHwnd(), ids.description, CBN_SELCHANGE);
}

void ExpectPaddedWhenLeft(kor::CDialogBase& screen, std::span<const PadCase> cases) {
    for (const PadCase& c : cases) {
        Type(screen.Item(c.id), c.typed);
        Notify(screen.GetSafeHwnd(), c.id, EN_KILLFOCUS);
        EXPECT_EQ(screen.GetItemText(c.id), c.after) << c.id;
    }
}

void ExpectKanaInput(kor::CDialogBase& screen, std::span<const int> ids) {
    for (int id : ids) {
        HWND edit = screen.Item(id);
        Notify(screen.GetSafeHwnd(), id, EN_SETFOCUS);
        HIMC context = ImmGetContext(edit);
        ASSERT_NE(context, nullptr);
        DWORD conversion = 0, sentence = 0;
        ImmGetConversionStatus(context, &conversion, &sentence);
        EXPECT_TRUE(ImmGetOpenStatus(context)) << id;
        EXPECT_EQ(conversion, 0x13u) << id;
        Notify(screen.GetSafeHwnd(), id, EN_KILLFOCUS);
        EXPECT_FALSE(ImmGetOpenStatus(context)) << id;
        ImmReleaseContext(edit, context);
    }
}

void ExpectKanaInputInTheNameFields(kor::CDialogBase& screen, const HeaderRecordTestIds& ids) {
    const int names[] = {ids.name, ids.branchName};
    ExpectKanaInput(screen, names);
}

}  // namespace kortest
