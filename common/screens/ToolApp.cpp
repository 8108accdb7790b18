#include "common/screens/ToolApp.h"

#include <cstring>

#include "common/base/PathNames.h"
#include "common/base/SingleInstance.h"
#include "common/base/StrUtil.h"
#include "common/base/SysEnv.h"
#include "framework/Cp932.h"
#include "framework/GridClass.h"
#include "framework/MessageSeam.h"

namespace {

constexpr char kErrorCaption[] = "エラー";
constexpr char kImportToolRunning[] = "送信パターン情報取込ツール起動中は実行できません。";
}  // namespace

const char CToolApp::kGridMissingText[] =
    "処理に必要なファイルが破損しています。再インストールして下さい。<A>";

std::string CToolApp::GetModuleFolder(HINSTANCE instance) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(instance, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return kor::ProgramFolderOf(kor::ToCp932(path));
}

int CToolApp::GetModuleFolderBuf(HINSTANCE instance, char* buffer, size_t size) {
    if (!buffer || size == 0) return 1;
    std::memset(buffer, 0, size);
    std::string cut;
    CStrUtil::CutMbcs(GetModuleFolder(instance), cut, static_cast<int>(size - 1));
    std::memcpy(buffer, cut.data(), cut.size());
    return 1;
}

BOOL CToolApp::InitInstance() {
    kor::RegisterGridClass();

    switch (kor::DecideStart(m_instanceMutex, kor::kImportToolMutex)) {
        case kor::StartDecision::kRun:
            break;
        case kor::StartDecision::kImportToolRunning:
            kor::ShowMessageBox(nullptr, kImportToolRunning, kErrorCaption, MB_OK | MB_ICONERROR);
            return FALSE;
        case kor::StartDecision::kEndSilently:
            return FALSE;
    }

    const std::unique_ptr<kor::CDialogBase> dialog = MakeMainScreen(GetModuleFolder(Instance()));
    if (!CSysEnv::Instance().IsGridControlInstalled()) {
        kor::ShowMessageBox(nullptr, m_gridMissing, kErrorCaption, MB_OK | MB_ICONERROR);
        return FALSE;
    }
    RunMainDialog(*dialog);
    return FALSE;
}
