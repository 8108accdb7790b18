// The dialog base: one procedure decodes the messages into the handlers; the conventions every
// screen shares (colours, Enter and Esc, the close box, F1) hold without a screen doing anything.
#include "framework/DialogBase.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "FrameworkTestDialog.h"
#include "framework/App.h"
#include "framework/RunFault.h"
#include "framework/UniqueHandle.h"

namespace {

constexpr UINT kRunScript = WM_APP + 1;

// A screen that keeps what reached its handlers. Steps posted with Post run inside its own
// message loop (modal or not) in the order given.
class TestDialog : public kor::CDialogBase {
public:
    TestDialog() : CDialogBase(IDD_FRAMEWORK_TEST) {}
    ~TestDialog() override { DestroyWindow(); }

    void Post(std::function<void()> step) {
        m_steps.push_back(std::move(step));
        PostMessageW(GetSafeHwnd(), kRunScript, 0, 0);
    }

    std::function<void(TestDialog&)> onInit;
    bool throwOnCommand = false;
    bool takeClicks = false;  // OnButtonClicked handles the clicks
    int inits = 0, oks = 0, cancels = 0, closes = 0, destroys = 0;
    std::vector<int> commands;
    std::vector<int> clicks;

    using CDialogBase::ScreenColors;

protected:
    BOOL OnInitDialog() override {
        ++inits;
        if (onInit) onInit(*this);
        return TRUE;
    }
    bool OnButtonClicked(int id) override {
        if (!takeClicks) return false;
        clicks.push_back(id);
        return true;
    }
    bool OnCommand(int id, int code, HWND) override {
        if (throwOnCommand) throw std::runtime_error("handler failed");
        if (code == BN_CLICKED) commands.push_back(id);
        if (id == IDC_FT_CLOSE && code == BN_CLICKED) EndDialog(IDC_FT_CLOSE);
        return true;
    }
    void OnOK() override { ++oks; }
    void OnCancel() override { ++cancels; }
    void OnClose() override {
        ++closes;
        CDialogBase::OnClose();
    }
    void OnDestroy() override { ++destroys; }
    bool OnOtherMessage(UINT msg, WPARAM, LPARAM, INT_PTR&) override {
        if (msg != kRunScript || m_steps.empty()) return false;
        const std::function<void()> step = std::move(m_steps.front());
        m_steps.erase(m_steps.begin());
        step();
        return true;
    }

private:
    std::vector<std::function<void()>> m_steps;
};

class DialogBaseTest : public testing::Test {
protected:
    void SetUp() override { kor::InitCommonControlClasses(); }

    // A shown modeless dialog; shown without taking the foreground from other test programs.
    void Open() {
        ASSERT_TRUE(dialog.Create());
        ShowWindow(dialog.GetSafeHwnd(), SW_SHOWNA);
    }
    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    TestDialog dialog;
};

// --- Modal and modeless, Enter, Esc and the close box -----------------------------------------

TEST_F(DialogBaseTest, EnterEscAndTheCloseBoxNeverCloseAModalScreen) {
    dialog.onInit = [](TestDialog& d) {
        HWND edit = d.Item(IDC_FT_EDIT);
        // Keys as the user types them: the modal loop's dialog manager turns them into commands.
        PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
        d.Post([&d] { SendMessageW(d.GetSafeHwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); });
        d.Post([&d] { d.Button(IDC_FT_CLOSE).Click(); });
    };
    EXPECT_EQ(dialog.DoModal(), IDC_FT_CLOSE);
    EXPECT_EQ(dialog.inits, 1);
    EXPECT_EQ(dialog.oks, 1);
    EXPECT_EQ(dialog.cancels, 2);  // Esc, and the close box falling back to OnCancel
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_EQ(dialog.commands, std::vector<int>{IDC_FT_CLOSE});
    EXPECT_EQ(dialog.destroys, 1);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST_F(DialogBaseTest, EndDialogDuringInitialisationEndsTheRunWithItsResult) {
    dialog.onInit = [](TestDialog& d) { d.EndDialog(2); };
    EXPECT_EQ(dialog.DoModal(), 2);
    EXPECT_EQ(dialog.inits, 1);
}

TEST_F(DialogBaseTest, AMissingTemplateFailsTheRun) {
    class Missing : public kor::CDialogBase {
    public:
        Missing() : CDialogBase(4711) {}
    } missing;
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_FALSE(missing.Create());
}

TEST_F(DialogBaseTest, AModelessScreenIgnoresOkCancelAndCloseAndIsDestroyedWithItsObject) {
    HWND hwnd = nullptr;
    {
        TestDialog modeless;
        ASSERT_TRUE(modeless.Create());
        hwnd = modeless.GetSafeHwnd();
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        SendMessageW(hwnd, WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindow(hwnd));
        EXPECT_EQ(modeless.oks, 1);
        EXPECT_EQ(modeless.cancels, 2);
    }
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(DialogBaseTest, NoExceptionLeavesTheDialogProcedure) {
    Open();
    dialog.throwOnCommand = true;
    SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_FT_CLOSE, BN_CLICKED), 0);
    dialog.throwOnCommand = false;
    dialog.Button(IDC_FT_RADIO2).Click();
    EXPECT_EQ(dialog.commands, std::vector<int>{IDC_FT_RADIO2});
    // The exception is kept for the run to end with.
    const std::exception_ptr fault = kor::TakeRunFault();
    ASSERT_TRUE(fault);
    EXPECT_THROW(std::rethrow_exception(fault), std::runtime_error);
}

// --- Exceptions out of handlers ---------------------------------------------------------------

std::string TextOf(const std::exception_ptr& fault) {
    try {
        std::rethrow_exception(fault);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "?";
    }
}

// What DoModal threw, or null when it returned.
std::exception_ptr FaultOfRun(kor::CDialogBase& dialog) {
    try {
        dialog.DoModal();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

TEST_F(DialogBaseTest, AnExceptionOutOfAHandlerEndsTheModalRunAndLeavesDoModal) {
    dialog.onInit = [](TestDialog& d) {
        d.Post([&d] {
            d.throwOnCommand = true;
            d.Button(IDC_FT_CLOSE).Click();
        });
        // Never reached: the run has ended.
        d.Post([&d] { d.EndDialog(5); });
    };
    const std::exception_ptr fault = FaultOfRun(dialog);
    ASSERT_TRUE(fault);
    EXPECT_EQ(TextOf(fault), "handler failed");
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.destroys, 1);
    EXPECT_FALSE(kor::HasRunFault());
}

TEST_F(DialogBaseTest, AnExceptionDuringInitialisationEndsTheRunBeforeItShows) {
    dialog.onInit = [](TestDialog&) { throw std::runtime_error("no start"); };
    const std::exception_ptr fault = FaultOfRun(dialog);
    ASSERT_TRUE(fault);
    EXPECT_EQ(TextOf(fault), "no start");
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST_F(DialogBaseTest, AnExceptionInANestedRunEndsEveryRunOnce) {
    TestDialog inner;
    inner.onInit = [](TestDialog& d) { d.Post([] { throw std::logic_error("inner failed"); }); };
    bool afterInner = false;
    dialog.onInit = [&](TestDialog& d) {
        d.Post([&] {
            inner.DoModal();
            afterInner = true;
        });
    };
    const std::exception_ptr fault = FaultOfRun(dialog);
    ASSERT_TRUE(fault);
    EXPECT_EQ(TextOf(fault), "inner failed");
    EXPECT_FALSE(afterInner);
    EXPECT_EQ(inner.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(kor::HasRunFault());
}

TEST_F(DialogBaseTest, AnExceptionOfAModelessWindowEndsTheModalRunAroundIt) {
    TestDialog modeless;
    ASSERT_TRUE(modeless.Create());
    modeless.throwOnCommand = true;
    dialog.onInit = [&](TestDialog& d) {
        d.Post([&] { modeless.Button(IDC_FT_CLOSE).Click(); });
        d.Post([&d] { d.EndDialog(5); });
    };
    const std::exception_ptr fault = FaultOfRun(dialog);
    ASSERT_TRUE(fault);
    EXPECT_EQ(TextOf(fault), "handler failed");
}

// --- Buttons ----------------------------------------------------------------------------------

TEST_F(DialogBaseTest, AClickReachesOnButtonClickedAndOtherCommandsOnCommand) {
    Open();
    dialog.takeClicks = true;
    HWND hwnd = dialog.GetSafeHwnd();
    dialog.Button(IDC_FT_RADIO2).Click();
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDC_FT_CLOSE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.Item(IDC_FT_CLOSE)));
    // A menu item's command has code 0 too, but comes from no control.
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(4711, 0), 0);
    EXPECT_EQ(dialog.clicks, (std::vector<int>{IDC_FT_RADIO2, IDC_FT_CLOSE}));
    EXPECT_EQ(dialog.commands, std::vector<int>{4711});
    EXPECT_NE(dialog.GetSafeHwnd(), nullptr);  // the click on Close went nowhere else
}

TEST_F(DialogBaseTest, AClickThatOnButtonClickedLeavesGoesToOnCommand) {
    Open();
    dialog.Button(IDC_FT_RADIO1).Click();
    EXPECT_TRUE(dialog.clicks.empty());
    EXPECT_EQ(dialog.commands, std::vector<int>{IDC_FT_RADIO1});
}

// --- F1 ---------------------------------------------------------------------------------------

// A top-level window that counts the help requests handed to it.
struct HelpOwner {
    static inline int helps = 0;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_HELP) ++helps;
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    HelpOwner() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KorHelpOwner";
        RegisterClassW(&wc);
        window.reset(CreateWindowExW(0, L"KorHelpOwner", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr, GetModuleHandleW(nullptr), nullptr));
    }
    kor::UniqueWindow window;
};

TEST_F(DialogBaseTest, F1IsSwallowed) {
    HelpOwner owner;
    ASSERT_TRUE(owner.window);
    ASSERT_TRUE(dialog.Create(owner.window.get()));
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = dialog.Item(IDC_FT_EDIT);
    HelpOwner::helps = 0;
    SendMessageW(dialog.GetSafeHwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    // Without the dialog's own answer the system hands the request on to the owner.
    SendMessageW(owner.window.get(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(HelpOwner::helps, 1);
}

// --- Colours ----------------------------------------------------------------------------------

// A window drawn into a bitmap as it paints itself (other test programs' windows may cover it
// on the display).
class Snapshot {
public:
    explicit Snapshot(HWND window) {
        RECT rc;
        GetClientRect(window, &rc);
        HDC screen = GetDC(nullptr);
        m_dc.reset(CreateCompatibleDC(screen));
        m_bitmap.reset(CreateCompatibleBitmap(screen, rc.right, rc.bottom));
        ReleaseDC(nullptr, screen);
        m_select = std::make_unique<kor::ScopedSelect>(m_dc.get(), m_bitmap.get());
        SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(m_dc.get()),
                     PRF_CLIENT | PRF_ERASEBKGND);
        m_size = rc;
    }
    // A few pixels in from the bottom right corner: past the end of the texts in these tests.
    COLORREF NearBottomRight() const { return At(m_size.right - 3, m_size.bottom - 3); }
    COLORREF At(int x, int y) const { return GetPixel(m_dc.get(), x, y); }

private:
    kor::UniqueDC m_dc;
    kor::UniqueBitmap m_bitmap;
    std::unique_ptr<kor::ScopedSelect> m_select;
    RECT m_size{};
};

COLORREF Inside(const kor::CDialogBase& dialog, int id) {
    return Snapshot(dialog.Item(id)).NearBottomRight();
}

TEST_F(DialogBaseTest, BackgroundAndLabelsAreLightGreenEditsWhite) {
    Open();
    EXPECT_EQ(Snapshot(dialog.GetSafeHwnd()).At(2, 2), kor::kScreenColor);
    EXPECT_EQ(Inside(dialog, IDC_FT_LABEL), kor::kScreenColor);
    EXPECT_EQ(Inside(dialog, IDC_FT_RADIO1), kor::kScreenColor);
    EXPECT_EQ(Inside(dialog, IDC_FT_EDIT), kor::kFieldColor);
    EXPECT_EQ(Inside(dialog, IDC_FT_EDIT2), kor::kFieldColor);
}

TEST_F(DialogBaseTest, TheFieldInErrorIsYellowUntilAnotherTakesItsPlace) {
    Open();
    dialog.SetFieldInError(IDC_FT_EDIT2);
    EXPECT_EQ(Inside(dialog, IDC_FT_EDIT2), kor::kErrorFieldColor);
    EXPECT_EQ(Inside(dialog, IDC_FT_EDIT), kor::kFieldColor);
    dialog.SetFieldInError(IDC_FT_EDIT);
    EXPECT_EQ(Inside(dialog, IDC_FT_EDIT), kor::kErrorFieldColor);
    EXPECT_EQ(Inside(dialog, IDC_FT_EDIT2), kor::kFieldColor);
    dialog.SetFieldInError(0);
    EXPECT_EQ(Inside(dialog, IDC_FT_EDIT), kor::kFieldColor);
    EXPECT_EQ(dialog.FieldInError(), 0);
}

// What each kind of control is given.
struct ColorCase {
    const char* name;
    UINT message;
    int id;  // 0: the dialog itself
    bool inError;
    COLORREF brush;  // CLR_INVALID: the system's brush
    bool transparent;
};
void PrintTo(const ColorCase& c, std::ostream* os) {
    *os << c.name;
}

class CtlColorTest : public DialogBaseTest, public testing::WithParamInterface<ColorCase> {};

TEST_P(CtlColorTest, BrushAndTextBackground) {
    const ColorCase& c = GetParam();
    Open();
    if (c.inError) dialog.SetFieldInError(c.id);
    HWND control = c.id ? dialog.Item(c.id) : dialog.GetSafeHwnd();
    kor::UniqueDC dc(CreateCompatibleDC(nullptr));
    SetBkMode(dc.get(), OPAQUE);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(dialog.GetSafeHwnd(), c.message,
                                                             reinterpret_cast<WPARAM>(dc.get()),
                                                             reinterpret_cast<LPARAM>(control)));
    if (c.brush == CLR_INVALID) {
        kor::UniqueDC other(CreateCompatibleDC(nullptr));
        const auto system = reinterpret_cast<HBRUSH>(
            DefWindowProcW(dialog.GetSafeHwnd(), c.message, reinterpret_cast<WPARAM>(other.get()),
                           reinterpret_cast<LPARAM>(control)));
        EXPECT_EQ(brush, system);
        return;
    }
    ASSERT_NE(brush, nullptr);
    LOGBRUSH lb{};
    ASSERT_EQ(GetObjectW(brush, sizeof lb, &lb), static_cast<int>(sizeof lb));
    EXPECT_EQ(lb.lbColor, c.brush);
    EXPECT_EQ(GetBkMode(dc.get()) == TRANSPARENT, c.transparent);
    if (!c.transparent) {
        EXPECT_EQ(GetBkColor(dc.get()), c.brush);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CtlColorTest,
    testing::Values(
        ColorCase{"Dialog", WM_CTLCOLORDLG, 0, false, kor::kScreenColor, false},
        ColorCase{"Label", WM_CTLCOLORSTATIC, IDC_FT_LABEL, false, kor::kScreenColor, true},
        ColorCase{"Radio", WM_CTLCOLORSTATIC, IDC_FT_RADIO1, false, kor::kScreenColor, true},
        ColorCase{"Edit", WM_CTLCOLOREDIT, IDC_FT_EDIT, false, kor::kFieldColor, false},
        ColorCase{"EditInError", WM_CTLCOLOREDIT, IDC_FT_EDIT, true, kor::kErrorFieldColor, false},
        ColorCase{"ReadOnlyEdit", WM_CTLCOLORSTATIC, IDC_FT_READONLY, false, CLR_INVALID, false},
        ColorCase{"PushButton", WM_CTLCOLORBTN, IDC_FT_CLOSE, false, CLR_INVALID, false},
        ColorCase{"ListBox", WM_CTLCOLORLISTBOX, IDC_FT_LIST, false, CLR_INVALID, false}),
    [](const testing::TestParamInfo<ColorCase>& info) { return std::string(info.param.name); });

// --- Helpers of the screens -------------------------------------------------------------------

TEST_F(DialogBaseTest, ScreenLabelsAndRadios) {
    Open();
    dialog.SetScreenLabels(0, "XF000", IDC_FT_VERSION, "(Ver4.11)");
    EXPECT_EQ(dialog.GetItemText(IDC_FT_CODE), "XF999");
    EXPECT_EQ(dialog.GetItemText(IDC_FT_VERSION), "(Ver4.11)");
    dialog.SetScreenLabels(IDC_FT_CODE, "XF301", 0, "");
    EXPECT_EQ(dialog.GetItemText(IDC_FT_CODE), "XF301");
    EXPECT_EQ(dialog.GetItemText(IDC_FT_VERSION), "(Ver4.11)");

    EXPECT_EQ(dialog.CheckedRadio(IDC_FT_RADIO1, IDC_FT_RADIO2), 0);
    dialog.CheckRadio(IDC_FT_RADIO1, IDC_FT_RADIO2, IDC_FT_RADIO2);
    EXPECT_EQ(dialog.CheckedRadio(IDC_FT_RADIO1, IDC_FT_RADIO2), IDC_FT_RADIO2);
    dialog.CheckRadio(IDC_FT_RADIO1, IDC_FT_RADIO2, IDC_FT_RADIO1);
    EXPECT_TRUE(dialog.Button(IDC_FT_RADIO1).IsChecked());
    EXPECT_FALSE(dialog.Button(IDC_FT_RADIO2).IsChecked());
}

TEST_F(DialogBaseTest, RadioGroupsGivenByTheirIdsInAnyOrder) {
    Open();
    const int group[] = {IDC_FT_RADIO2, IDC_FT_RADIO1};
    dialog.CheckRadio(group, IDC_FT_RADIO2);
    EXPECT_EQ(dialog.CheckedRadio(group), IDC_FT_RADIO2);
    EXPECT_FALSE(dialog.Button(IDC_FT_RADIO1).IsChecked());
    dialog.CheckRadio(group, IDC_FT_RADIO1);
    EXPECT_EQ(dialog.CheckedRadio(group), IDC_FT_RADIO1);
    EXPECT_FALSE(dialog.Button(IDC_FT_RADIO2).IsChecked());
    // An id outside the group checks none.
    dialog.CheckRadio(group, 0);
    EXPECT_EQ(dialog.CheckedRadio(group), 0);
}

}  // namespace
