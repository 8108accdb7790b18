#pragma once
// The steps of one conversion that are the same for every tool, as a main screen and the
// console harness run them: the checks before a read (requester or consignor chosen and sound,
// pattern, date, input file, the question to go on), the messages of the reader's result, the
// checks before an output (output file, records, room, the question) and the messages of the
// writer's result. A tool's flow puts its own reader and writer between them.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/FlowMessages.h"
#include "common/PathCheck.h"

namespace kor {

// The control a stop of the flow points at.
enum class FlowField { kNone, kPattern, kMonth, kDay, kInput, kOutput };

struct FlowResult {
    enum Stage { kCheck, kRead, kWrite };
    Stage stage = kCheck;  // the last stage reached
    // kCheck: the id of the message that stopped the flow (of the question answered "stop");
    // kRead, kWrite: the reader's or the writer's result.
    int code = 0;
    FlowField focus = FlowField::kNone;
    bool inError = false;  // focus is the field in error too

    // The read made a data set, or the output wrote the file.
    bool Done() const { return stage != kCheck && code == 0; }
};

// Month "1" to "12" and day "1" to "31" (leading blanks allowed): 0; 10 when either is missing
// or not such a number; 50 when the day does not exist in the month (February has 29).
int CheckConversionDate(std::string_view month, std::string_view day);

// The words of a tool's conversion messages.
struct ConversionTexts {
    const char* partyWord;       // message 38 when no requester or consignor is chosen
    const char* openFailedText;  // the reader could not open the input file
};

// The choices of a read as the main screen offers them, before the tool's own.
struct ReadRequest {
    bool partyChosen = false;
    // The requester or consignor record as stored is unsound: the name of its first field in
    // fault (message 114); null when it is sound.
    const char* partyFaultField = nullptr;
    int patternIndex = -1;  // -1: none chosen
    std::string month;      // as listed (" 3"); empty: none chosen
    std::string day;
    std::string input;  // the input file name as typed
};

// The output as the main screen asks for it, with what the data set says of its records.
struct OutputRequest {
    std::string outputText;  // as typed
    std::string inputName;   // of the read
    int recordsFault = 0;    // 20 a record to write is in error, 39 every record deleted, else 0
    int keptRecords = 0;     // records not deleted
    int lengthCode = 0;      // output record length code and line-break flag of the data set
    int lineBreak = 0;
};

class CConversionSteps {
public:
    CConversionSteps(CFlowMessages& messages, const ConversionTexts& texts,
                     const CPathProbe& probe = CPathProbe::System())
        : m_messages(messages), m_texts(texts), m_probe(probe) {}

    CFlowMessages& Messages() { return m_messages; }

    // The checks before a read and the question to go on: a stop at the first that fails, or a
    // result of stage kRead with *input set to the input file's path.
    FlowResult CheckRead(const ReadRequest& request, std::string* input);
    // The message of a stored pattern that cannot be read (as for no pattern chosen).
    FlowResult StopAtPattern();
    // Shows the message of a reader's result other than 0; faultLine names the line of a result
    // that names one.
    void ShowReadFailure(int result, int faultLine);
    // Shows the messages of a successful read: 1 when the records are free of errors and may be
    // written as they are (the data set's error-free flag), 0 otherwise.
    int ShowReadOutcome(bool totalsOverflow, int errorCount, bool warnings);

    // The checks before an output and the question to go on: a stop, or a result of stage kWrite
    // with *path set to the output file's path.
    FlowResult CheckOutput(const OutputRequest& request, std::string* path);
    // Shows the message of the writer's result.
    void ShowWriteOutcome(int result);

    FlowResult Stop(int message, FlowField focus = FlowField::kNone, bool inError = false);

    // Results of the readers and writers that the steps show.
    static constexpr int kWritten = 0;
    static constexpr int kTotalsTooLarge = 15;  // writer: the trailer cannot carry the totals

private:
    FlowResult StopAtPath(PathFault fault, FlowField field);
    bool Ask(PathFault fault);

    CFlowMessages& m_messages;
    ConversionTexts m_texts;
    const CPathProbe& m_probe;
    int m_question = 0;  // the id of the last question asked
};

}  // namespace kor
