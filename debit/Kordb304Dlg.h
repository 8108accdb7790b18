#pragma once
// Screen DB304: creates, changes and deletes the separated patterns of the direct-debit pattern
// master (see CDelimPatternScreen). Every pattern is of the one direct-debit kind and lists all
// ten items.
#include <windows.h>

#include <string>

#include "common/DelimPatternScreen.h"

class CApMsgInfoList;

namespace db {

class CPatternStore;

// The template and control ids of the screen, as the shared screen takes them.
using Kordb304Controls = DelimPatternControls;
// The direct-debit tool's.
extern const Kordb304Controls kKordb304Controls;

class CKordb304Dlg : public CDelimPatternScreen {
public:
    CKordb304Dlg(HICON icon, HWND parent, const Kordb304Controls& ids = kKordb304Controls);
    // Before the run. Neither the store nor the message table is kept beyond the screen's life
    // or freed by it.
    void SetContext(CPatternStore* store, CApMsgInfoList* messages, std::string helpPath);

private:
    const CDelimPatternBase* StoredPattern(int position) override;
    int StorePattern(int index, const DelimPatternFormBase& form,
                     const DelimPatternKind& kind) override;
    std::string ReadSampleLine(const std::string& path, int* status,
                               int lineNumber) const override;

    CPatternStore* m_store = nullptr;
};

}  // namespace db
