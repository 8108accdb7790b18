#pragma once
// One conversion of the local-tax tool, as its main screen runs it: the checks before a read,
// the read, completing the read data set from the pattern, the checks before an output and the
// output into numbered files. Every message is shown through the tool's message table, which
// shows its own boxes; what remains for the screen is to move its choices in, to enable its
// buttons and to put the focus where the outcome says.
#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "common/base/ProgressTask.h"
#include "localtax/DataSet.h"
#include "localtax/PatternStore.h"
#include "localtax/RequesterInfo.h"
#include "localtax/TaxItems.h"

class CApMsgInfoList;

namespace tx {

// The edit or list a failed check hands the focus to.
enum class FlowField { kNone, kPattern, kInput, kOutput };

struct FlowOutcome {
    bool done = false;  // read or written
    FlowField field = FlowField::kNone;
    // The reader's or the writer's result once it ran (0 when done); -1 when a check or a
    // question stopped before.
    int code = -1;
};

// The item sets of the pattern of the last read, for the correction screen.
using ItemSetFlags = std::array<int, kItemSetCount>;

// Removes leading half-width and full-width blanks.
std::string TrimLeadingBlanks(std::string_view text);

class CConversionFlow {
public:
    // messages: the tool's table; parent: the owner of its boxes and progress windows.
    CConversionFlow(::CApMsgInfoList& messages, HWND parent, const ProgressDialogIds& dialog);

    // Checks the choices, asks to go on and reads inputText (as typed) through the pattern at
    // patternIndex (-1: none chosen) for requester (null: none registered). On success data
    // holds the read data set, completed from the pattern, and sets the pattern's item sets;
    // data is emptied whenever a read starts.
    FlowOutcome Read(CPatternStore& patterns, int patternIndex, const CRequesterInfo* requester,
                     const std::string& inputText, std::unique_ptr<CDataSet>& data,
                     ItemSetFlags& sets);

    // Checks the folder (as typed) and the read data, asks to go on and writes the numbered
    // files; output then holds the output data set (emptied whenever an output starts).
    // patternChanged: the pattern chosen now is not the one read with (a warning only).
    FlowOutcome Output(const std::string& folderText, const CDataSet& data, bool patternChanged,
                       std::unique_ptr<CDataSet>& output);

    // 0: no detail taken for output; 2: a taken detail has an item in error; 1 otherwise.
    static int CheckOutputData(const CDataSet& data);

private:
    bool ValidateBeforeRead(int patternIndex, const CRequesterInfo* requester,
                            const std::string& path, FlowOutcome& outcome);
    void ShowReadResult(int result);

    ::CApMsgInfoList& m_messages;
    HWND m_parent;
    ProgressDialogIds m_dialog;
};

}  // namespace tx
