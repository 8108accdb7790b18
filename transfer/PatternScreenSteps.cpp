#include "transfer/PatternScreenSteps.h"

#include <string>
#include <vector>

#include "common/ScreenBase.h"
#include "transfer/PatternStore.h"

namespace xf {

namespace {

constexpr int kFixedFileClass = 3;

// shapeFilter as CPatternStore::Find takes it; save stores at an index (-1 appends).
template <class Save>
bool SaveAsked(const PatternScreen& screen, const std::string& name, int shapeFilter, Save save) {
    if (!screen.store) return false;
    const bool stored = screen.store->Find(name, shapeFilter) == 1;
    if (screen.screen->ShowMessage(stored ? 16 : 3) != IDOK) return false;
    if (save(stored ? screen.store->IndexOf(name) : -1) != 1) {
        screen.screen->ShowMessage(104, "更新処理");
        return false;
    }
    screen.screen->ShowMessage(110, "パターン情報", "「ファイル読込」");
    return true;
}

}  // namespace

void FillPatternNames(kor::CEditableNameList& names, const CPatternStore* store, bool fixedLength) {
    std::vector<kor::CEditableNameList::Item> items;
    if (store) {
        int position = 0;
        for (const auto& entry : store->GetList()) {
            if ((entry->fileClass == kFixedFileClass) == fixedLength)
                items.push_back({entry->name, position});
            ++position;
        }
    }
    names.Fill(items);
}

bool SavePatternAsked(const PatternScreen& screen, const CFixedPattern& pattern) {
    return SaveAsked(screen, pattern.name, 1,
                     [&](int index) { return screen.store->SaveFixed(index, pattern); });
}

bool SavePatternAsked(const PatternScreen& screen, const CDelimPattern& pattern) {
    return SaveAsked(screen, pattern.name, -1,
                     [&](int index) { return screen.store->SaveDelim(index, pattern); });
}

bool DeleteNamedPatternAsked(const PatternScreen& screen, const kor::CEditableNameList& names) {
    const int index = names.Find(names.Text());
    const LPARAM position = index >= 0 ? names.Combo().GetItemData(index) : -1;
    if (position < 0) {
        screen.screen->ShowPlainMessage("変換パターンが未選択");
        return false;
    }
    if (screen.screen->ShowMessage(2) == IDCANCEL || !screen.store) return false;
    if (screen.store->Delete(static_cast<int>(position)) != 1) {
        screen.screen->ShowMessage(104, "削除処理");
        return false;
    }
    return true;
}

}  // namespace xf
