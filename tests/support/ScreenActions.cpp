#include "support/ScreenActions.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/MessageNumber.h"
#include "support/TestPaths.h"

namespace kortest {

TaggedMessages::TaggedMessages(const char* masterPath) {
    const std::string master = ReadBytes(masterPath);
    std::string tagged;
    size_t begin = 0;
    while (begin < master.size()) {
        size_t end = master.find("\r\n", begin);
        if (end == std::string::npos) end = master.size();
        const std::string line = master.substr(begin, end - begin);
        // "id","type","icon","text": the text starts after the third separator.
        const size_t id_end = line.find('"', 1);
        size_t text = line.find("\",\"");
        text = line.find("\",\"", text + 3);
        text = line.find("\",\"", text + 3) + 3;
        std::string words;
        // '%' is never a byte of a double-byte character.
        for (size_t at = line.find("%s", text); at != std::string::npos;
             at = line.find("%s", at + 2))
            words += "[%s]";
        tagged += line.substr(0, text) + "#" + line.substr(1, id_end - 1) + words + "\"\r\n";
        begin = end + 2;
    }
    // The tagged copy keeps the master's file name.
    std::string name = masterPath;
    name = name.substr(name.find_last_of("\\/") + 1);
    const std::string path = ScratchDirOfTest("messages") + name;
    EXPECT_TRUE(WriteBytes(path, tagged));
    EXPECT_EQ(Load(path), 0u);
}

std::string TaggedMessages::Text(int id, const char* word1, const char* word2) {
    return FormatMessage(kortest::MessageNo(id), word1, word2);
}

int MessageId(const kor::MessageBoxRequest& request) {
    if (request.text.size() < 2 || request.text[0] != '#') return 0;
    return std::atoi(request.text.c_str() + 1);
}

std::vector<int> MessageIds(const std::vector<kor::MessageBoxRequest>& shown) {
    std::vector<int> ids;
    for (const auto& request : shown) ids.push_back(MessageId(request));
    return ids;
}

void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void Notify(HWND dialog, int id, int code) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Type(HWND control, const wchar_t* text) {
    HWND edit = FindWindowExW(control, nullptr, L"Edit", nullptr);
    if (!edit) edit = control;
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CHAR, VK_BACK, 0);
    for (const wchar_t* c = text; *c; ++c) SendMessageW(edit, WM_CHAR, *c, 0);
}

int FocusedId(HWND dialog) {
    HWND focus = GetFocus();
    while (focus && GetParent(focus) != dialog) focus = GetParent(focus);
    return focus ? GetDlgCtrlID(focus) : 0;
}

namespace {

thread_local kor::CDialogBase* g_modal = nullptr;
thread_local std::function<void(HWND)> g_steps;

void CALLBACK RunSteps(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND hwnd = g_modal ? g_modal->GetSafeHwnd() : nullptr;
    // The modal loop shows the screen once its queue is first empty.
    if (!hwnd || !IsWindowVisible(hwnd)) {
        SetTimer(nullptr, 0, 1, RunSteps);
        return;
    }
    const auto steps = std::move(g_steps);
    g_steps = nullptr;
    if (steps) steps(hwnd);
    // A screen that closed itself is hidden until its loop ends.
    if (IsWindowVisible(hwnd)) EndDialog(hwnd, kStillOpen);
}

}  // namespace

INT_PTR RunModal(kor::CDialogBase& screen, std::function<void(HWND)> steps) {
    g_modal = &screen;
    g_steps = std::move(steps);
    SetTimer(nullptr, 0, 1, RunSteps);
    const INT_PTR result = screen.DoModal();
    g_modal = nullptr;
    return result;
}

void ShowScreen(HWND screen) {
    ShowWindow(screen, SW_SHOWNA);
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace kortest
