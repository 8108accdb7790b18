#pragma once
// Screen TX304: creates, changes and deletes the separated patterns of the local-tax pattern
// master (see CDelimPatternScreen). Every pattern is of the one local-tax kind; its counts and
// amounts come in three item sets (salary, retirement, payment) whose items become required
// together once one of them has a column, the payment set also while either other set is in use.
// The zero and blank choices are open only while a set is in use. The sample is read as the
// local-tax reader reads a line, after the tool's check of an input file.
#include <windows.h>

#include <string>

#include "common/screens/DelimPatternScreen.h"
#include "localtax/ConvertEngine.h"
#include "localtax/PatternStore.h"

namespace tx {

// The template and control ids of the screen, as the shared screen takes them.
using KorTx304Controls = DelimPatternControls;
// The local-tax tool's.
extern const KorTx304Controls kKorTx304Controls;

class CKorTx304Dlg : public CDelimPatternScreenOf<CPatternStore, CConvertEngine> {
public:
    // The store and the message table are handed over with SetContext before the run.
    CKorTx304Dlg(HICON icon, HWND parent, const KorTx304Controls& ids = kKorTx304Controls);

private:
    bool CheckSamplePath(const std::string& path) override;
};

}  // namespace tx
