#include "common/PatternScreenSteps.h"

#include <vector>

#include "common/PatternBase.h"
#include "common/PatternLineStore.h"
#include "common/ScreenBase.h"

namespace {

void ShowFailure(const PatternScreenOf& screen, const PatternStepMessage& failure) {
    screen.screen->ShowMessage(failure.id, failure.word1, failure.word2);
}

}  // namespace

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
                            int shapeFilter, const std::function<int(int)>& save,
                            const PatternStepMessages& messages) {
    if (!screen.store) return false;
    const bool stored = screen.store->Find(name, shapeFilter) == 1;
    if (screen.screen->ShowMessage(stored ? messages.replace : 3) != IDOK) return false;
    if (save(stored ? screen.store->IndexOf(name) : -1) != 1) {
        ShowFailure(screen, messages.saveFailed);
        return false;
    }
    screen.screen->ShowMessage(messages.stored, "パターン情報", "「ファイル読込」");
    return true;
}

bool DeletePatternAfterAsking(const PatternScreenOf& screen, const kor::CEditableNameList& names,
                              const PatternStepMessages& messages) {
    const int index = names.Find(names.Text());
    const LPARAM position = index >= 0 ? names.Combo().GetItemData(index) : -1;
    if (position < 0) {
        screen.screen->ShowPlainMessage("変換パターンが未選択");
        return false;
    }
    if (screen.screen->ShowMessage(2) == IDCANCEL || !screen.store) return false;
    if (screen.store->Delete(static_cast<int>(position)) != 1) {
        ShowFailure(screen, messages.deleteFailed);
        return false;
    }
    return true;
}
