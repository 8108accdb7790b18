#pragma once
// One conversion of the direct-debit tool, as the main screen runs it: the checks before a read
// (the chosen consignor checked as the consignor screen saves it), the read, completing the data
// set, the checks before an output and the write. Messages and questions go to the caller's
// CFlowMessages; what remains for the caller is to move its choices in and to put the focus
// where the result says.
#include <windows.h>

#include <memory>
#include <string>

#include "common/base/ApMsgInfoList.h"
#include "common/flow/ConversionSteps.h"
#include "common/flow/FlowMessages.h"
#include "common/flow/PathCheck.h"
#include "debit/ConsignorInfo.h"
#include "debit/DataSet.h"
#include "debit/PatternStore.h"

namespace db {

// The choices of a read as the main screen offers them: the consignor and the common controls'
// choices.
using ConvertChoices = kor::PartyChoices<CConsignorInfo>;

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
    // direct-debit file of data; a written data set is marked output with the time of writing
    // and the name of the file.
    FlowResult Output(const std::string& outputText, CDataSet& data);

private:
    kor::CConversionSteps m_steps;
    CApMsgInfoList* m_table;
    HWND m_parent;
};

}  // namespace db
