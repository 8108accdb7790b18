#include "common/screens/PatternScreenSteps.h"

#include <vector>

#include "common/patterns/PatternBase.h"
#include "common/patterns/PatternLineStore.h"
#include "common/screens/ScreenBase.h"

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

namespace {

int Show(const PatternScreenOf& screen, const StepMessage& message) {
    return screen.screen->ShowMessage(message.id, message.word1, message.word2);
}

}  // namespace

bool SavePatternAfterAsking(const PatternScreenOf& screen, const std::string& name, int shapeFilter,
                            const std::function<int(int)>& save) {
    if (!screen.store) return false;
    const bool stored = screen.store->Find(name, shapeFilter) == 1;
    const PatternStepMessages& m = screen.messages;
    if (Show(screen, stored ? m.replaceQuestion : m.addQuestion) != IDOK) return false;
    if (save(stored ? screen.store->IndexOf(name) : -1) != 1) {
        Show(screen, m.saveFailed);
        return false;
    }
    Show(screen, m.stored);
    return true;
}

bool DeletePatternAfterAsking(const PatternScreenOf& screen, const kor::CEditableNameList& names) {
    const int index = names.Find(names.Text());
    const LPARAM position = index >= 0 ? names.Combo().GetItemData(index) : -1;
    if (position < 0) {
        screen.screen->ShowPlainMessage("変換パターンが未選択");
        return false;
    }
    const PatternStepMessages& m = screen.messages;
    if (Show(screen, m.deleteQuestion) == IDCANCEL || !screen.store) return false;
    if (screen.store->Delete(static_cast<int>(position)) != 1) {
        Show(screen, m.deleteFailed);
        return false;
    }
    return true;
}
