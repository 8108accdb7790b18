#include "common/PatternScreenSteps.h"

#include <vector>

#include "common/PatternBase.h"
#include "common/PatternLineStore.h"
#include "common/ScreenBase.h"

void FillPatternNameList(kor::CEditableNameList& names, const CPatternLineStore* store,
                         bool fixedLength) {
    std::vector<kor::CEditableNameList::Item> items;
    if (store) {
        int position = 0;
        for (const auto& entry : store->GetList()) {
            if (IsFixedLengthClass(entry->fileClass) == fixedLength)
                items.push_back({entry->name, position});
            ++position;
        }
    }
    names.Fill(items);
}

bool SavePatternAfterAsking(const PatternScreenOf& screen, const std::string& name,
                            int shapeFilter, const std::function<int(int)>& save) {
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

bool DeletePatternAfterAsking(const PatternScreenOf& screen, const kor::CEditableNameList& names) {
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
