#pragma once
// One conversion of the transfer tool, as the main screen and the console harness run it: the
// checks before a read, the read, completing the data set, the checks before an output and the
// write. Messages and questions go to the caller's CFlowMessages; what remains for the caller is
// to move its choices in and to put the focus where the result says.
#include <windows.h>

#include <memory>
#include <string>

#include "common/base/ApMsgInfoList.h"
#include "common/flow/ConversionSteps.h"
#include "common/flow/FlowMessages.h"
#include "common/flow/PathCheck.h"
#include "transfer/DataSet.h"
#include "transfer/PatternStore.h"
#include "transfer/RequesterInfo.h"

namespace xf {

// The choices of a read as the main screen offers them: the requester, the common controls'
// choices and the salary or bonus choice.
struct ConvertChoices : kor::PartyChoices<CRequesterInfo> {
    int bonus = 0;  // 1: bonus transfer chosen (counts for a salary/bonus pattern only)
};

using kor::FlowField;
using kor::FlowResult;

class CConversionFlow {
public:
    using DataSet = CDataSet;
    using Choices = ConvertChoices;

    // table and parent: for the progress dialogs of the reader and the writer (null for none).
    CConversionFlow(CFlowMessages& messages, CApMsgInfoList* table, HWND parent,
                    const kor::CPathProbe& probe = kor::CPathProbe::System());

    // Checks the choices, asks to go on, and reads the input into data (emptied first; a data
    // set only after a successful read, completed with the choices).
    FlowResult Read(CPatternStore& patterns, const ConvertChoices& choices,
                    std::unique_ptr<CDataSet>& data);

    // Checks the output name (as typed) and the records, asks to go on, and writes the
    // transfer file of data; a written data set is marked output with the time of writing.
    FlowResult Output(const std::string& outputText, CDataSet& data);

    // The sum and count the last write put into the trailer.
    unsigned long long WrittenTotal() const { return m_writtenTotal; }
    int WrittenCount() const { return m_writtenCount; }

private:
    CFlowMessages& m_messages;
    kor::CConversionSteps m_steps;
    CApMsgInfoList* m_table;
    HWND m_parent;
    unsigned long long m_writtenTotal = 0;
    int m_writtenCount = 0;
};

}  // namespace xf
