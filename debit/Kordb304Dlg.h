#pragma once
// Screen DB304: creates, changes and deletes the separated patterns of the direct-debit pattern
// master (see CDelimPatternScreen). Every pattern is of the one direct-debit kind and lists all
// ten items.
#include <windows.h>

#include "common/screens/DelimPatternScreen.h"
#include "debit/ConvertEngine.h"
#include "debit/PatternStore.h"

namespace db {

// The template and control ids of the screen, as the shared screen takes them.
using Kordb304Controls = DelimPatternControls;
// The direct-debit tool's.
extern const Kordb304Controls kKordb304Controls;

class CKordb304Dlg : public CDelimPatternScreenOf<CPatternStore, CConvertEngine> {
public:
    // The store and the message table are handed over with SetContext before the run.
    CKordb304Dlg(HICON icon, HWND parent, const Kordb304Controls& ids = kKordb304Controls);
};

}  // namespace db
