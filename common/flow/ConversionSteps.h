#pragma once
// The steps of one conversion that are the same for every tool, as a main screen and the
// console harness run them: the checks before a read (requester or consignor chosen and sound,
// pattern, date, input file, the question to go on), the messages of the reader's result, the
// checks before an output (output file, records, room, the question) and the messages of the
// writer's result. A tool's flow puts its own reader and writer between them.
#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/base/MessageId.h"
#include "common/flow/FlowMessages.h"
#include "common/flow/PathCheck.h"
#include "common/patterns/PatternBase.h"
#include "common/patterns/PatternStoreOf.h"

class CReadEngine;
class CRecordFileWriter;

namespace kor {

// The control a stop of the flow points at.
enum class FlowField { kNone, kPattern, kMonth, kDay, kInput, kOutput };

struct FlowResult {
    enum Stage { kCheck, kRead, kWrite };
    Stage stage = kCheck;  // the last stage reached
    // kCheck: the message that stopped the flow (the question answered "stop").
    std::optional<MessageId> stop;
    // kRead, kWrite: the reader's or the writer's result.
    int code = 0;
    FlowField focus = FlowField::kNone;
    bool inError = false;  // focus is the field in error too

    // The read made a data set, or the output wrote the file.
    bool Done() const { return stage != kCheck && code == 0; }
};

// What is wrong with a conversion date.
enum class DateFault {
    kNone,
    kMissing,    // the month or the day is missing or not a number of its range
    kNoSuchDay,  // the day does not exist in the month
};
// Month "1" to "12" and day "1" to "31" (leading blanks allowed); February has 29 days.
DateFault CheckConversionDate(std::string_view month, std::string_view day);

// The words of a tool's conversion messages.
struct ConversionTexts {
    const char* partyWord;       // when no requester or consignor is chosen
    const char* openFailedText;  // the reader could not open the input file
};

// The messages of the conversion steps, as the tool numbers them; the words each is shown with
// stand beside it.
struct ConversionMessages {
    // Before a read.
    MessageId noParty;          // ConversionTexts::partyWord
    MessageId unsoundParty;     // the name of the party's field in fault
    MessageId noPattern;        // "データ変換パターン"
    MessageId unusablePattern;  // the pattern's name
    MessageId noDate;           // "振込指定日"
    MessageId noSuchDay;
    MessageId startQuestion;  // "読込" or "出力"; OK goes on
    PathMessages paths;
    // The reader's results.
    MessageId noDetailLines;  // "振込明細"
    MessageId tooManyLines;
    MessageId badRecordSize;
    MessageId noRecords;
    MessageId emptyFile;
    MessageId badRecordLength;
    MessageId readCancelled;
    MessageId lineTooLong;  // the line's number
    // After a read: the count or the total does not fit the trailer (after an output too),
    // the records are free of errors or not (both "読込", "変換後ファイル"), warnings ("", "").
    MessageId totalsTooLarge;
    MessageId readWithoutErrors;
    MessageId readWithErrors;
    MessageId warnings;
    // Before and after an output.
    MessageId errorsToWrite;
    MessageId nothingToWrite;
    MessageId written;
};

// The choices of a read as the main screen offers them, before the tool's own.
struct ReadRequest {
    bool partyChosen = false;
    // The requester or consignor record as stored is unsound: the name of its first field in
    // fault (unsoundParty); null when it is sound.
    const char* partyFaultField = nullptr;
    int patternIndex = -1;  // -1: none chosen
    std::string month;      // as listed (" 3"); empty: none chosen
    std::string day;
    std::string input;  // the input file name as typed
};

// The name of the field of a stored requester or consignor that stops a read (unsoundParty):
// the first field of its master line that held a control byte (controlField, -1 none;
// lineLabels name the line's fields in line order), else checkFault, the field that the
// screen's save check refuses (null when the record passes).
const char* StoredPartyFault(int controlField, std::span<const char* const> lineLabels,
                             const char* checkFault);

// The choices of a read as the screen's common controls give them.
struct ScreenChoices {
    int patternIndex = -1;  // -1: none chosen
    std::string month;      // as listed (" 3"); empty: none chosen
    std::string day;
    std::string input;  // as typed
};
// The read request of those choices with the party's state.
ReadRequest ReadRequestOf(const ScreenChoices& choices, bool partyChosen,
                          const char* partyFaultField);

// The choices of a read as a main screen hands them to its tool's flow: the requester or
// consignor chosen and the common controls' choices. A tool with choices of its own adds them.
template <class Party>
struct PartyChoices {
    const Party* party = nullptr;  // in the party master's list; null: none chosen
    ScreenChoices screen;
};

// The pattern chosen for a read: its entry and its stored line read as the shape its file class
// names (one of fixed and delim); no entry when the index is outside the list or the line does
// not read as that shape.
template <class Fixed, class Delim>
struct ChosenPattern {
    const CPatternEntry* entry = nullptr;
    const Fixed* fixed = nullptr;
    const Delim* delim = nullptr;

    const CPatternBase* Pattern() const {
        return delim ? static_cast<const CPatternBase*>(delim) : fixed;
    }
};
template <class Fixed, class Delim>
ChosenPattern<Fixed, Delim> ChoosePattern(CPatternStoreOf<Fixed, Delim>& store, int index) {
    ChosenPattern<Fixed, Delim> chosen;
    if (index < 0 || static_cast<size_t>(index) >= store.GetList().size()) return chosen;
    const CPatternEntry& entry = *store.GetList()[index];
    if (IsFixedLengthClass(entry.fileClass)) {
        chosen.fixed = store.GetFixedPattern(index);
    } else {
        chosen.delim = store.GetDelimPattern(index);
    }
    if (chosen.fixed || chosen.delim) chosen.entry = &entry;
    return chosen;
}

// What keeps the records of a data set from being written.
enum class RecordsFault {
    kNone,
    kInError,     // a record to write has an item in error or warning
    kAllDeleted,  // every record is deleted
};

// The output as the main screen asks for it, with what the data set says of its records.
struct OutputRequest {
    std::string outputText;  // as typed
    std::string inputName;   // of the read
    RecordsFault recordsFault = RecordsFault::kNone;
    int keptRecords = 0;  // records not deleted
    int lengthCode = 0;   // output record length code and line-break flag of the data set
    int lineBreak = 0;
};

class CConversionSteps {
public:
    CConversionSteps(CFlowMessages& messages, const ConversionMessages& ids,
                     const ConversionTexts& texts, const CPathProbe& probe = CPathProbe::System())
        : m_messages(messages), m_ids(ids), m_texts(texts), m_probe(probe) {}

    CFlowMessages& Messages() { return m_messages; }

    // The checks before a read and the question to go on: a stop at the first that fails, or a
    // result of stage kRead with *input set to the input file's path.
    FlowResult CheckRead(const ReadRequest& request, std::string* input);
    // The message of no pattern chosen.
    FlowResult StopAtPattern();
    // The message of a stored pattern that cannot be used (its output record-length code or
    // its line-break code is none of ours, as a hand edit may leave it): names the pattern and
    // asks to save it again on its settings screen.
    FlowResult StopAtUnusablePattern(const std::string& name);
    // The stop of a read whose pattern ChoosePattern did not give: none at index of the store's
    // list, or one whose stored line cannot be used.
    template <class Store>
    FlowResult StopAtChosenPattern(const Store& store, int index) {
        const auto& list = store.GetList();
        if (index < 0 || static_cast<size_t>(index) >= list.size()) return StopAtPattern();
        return StopAtUnusablePattern(list[static_cast<size_t>(index)]->name);
    }
    // Shows the message of a reader's result other than 0; faultLine names the line of a result
    // that names one.
    void ShowReadFailure(int result, int faultLine);
    // Shows the messages of a successful read: 1 when the records are free of errors and may be
    // written as they are (the data set's error-free flag), 0 otherwise.
    int ShowReadOutcome(bool totalsOverflow, int errorCount, bool warnings);
    // The result of a reader's ReadFile (code), shown when it made no data set; a read that
    // gave no data set counts as one without records.
    FlowResult TakeReadResult(const CReadEngine& engine, int code, bool madeData);
    // ShowReadOutcome with what the reader counted.
    int ShowReadOutcome(const CReadEngine& engine);

    // The checks before an output and the question to go on: a stop, or a result of stage kWrite
    // with *path set to the output file's path.
    FlowResult CheckOutput(const OutputRequest& request, std::string* path);
    // Shows the message of the writer's result.
    void ShowWriteOutcome(int result);
    // Runs the writer, set up with its data and path, and shows its result.
    FlowResult Write(CRecordFileWriter& writer);

    // The stop at message (the question answered "stop").
    FlowResult Stop(std::optional<MessageId> message, FlowField focus = FlowField::kNone,
                    bool inError = false);

    // The output request for a data set of either tool: its input name, what its records say
    // and its output options.
    template <class DataSet>
    static OutputRequest OutputRequestOf(const std::string& outputText, const DataSet& data);
    // Marks the data set written (with the time of writing) after the writer's result; a failed
    // output leaves it not output, so that nothing prints the time of a file not written.
    template <class DataSet>
    static bool MarkOutput(int result, DataSet& data);

    // Results of the readers and writers that the steps show.
    static constexpr int kWritten = 0;
    static constexpr int kTotalsTooLarge = 15;  // writer: the trailer cannot carry the totals

private:
    FlowResult StopAtPath(PathFault fault, FlowField field);
    // Shows the message of a path fault that is no question: the message shown.
    MessageId ShowPathFault(PathFault fault, FlowField field);
    bool Ask(PathFault fault);
    // Shows id, which takes no words: id.
    MessageId ShowWithoutWords(MessageId id);
    // Asks question, which takes no words: true on OK.
    bool AskToGoOn(MessageId question);

    CFlowMessages& m_messages;
    ConversionMessages m_ids;
    ConversionTexts m_texts;
    const CPathProbe& m_probe;
    std::optional<MessageId> m_question;  // the last question asked
};

// The date as listed without its leading blanks (" 3" is "3").
std::string DateText(std::string_view listed);

// What a successful read puts into the data set of either tool beside the records: the date,
// the input name, the amount options and the output record options of the pattern read with
// (null: none), the pattern's position in the list; the data set is not output yet.
struct ReadDetails {
    const CPatternBase* pattern = nullptr;
    std::string month;  // as listed
    std::string day;
    std::string inputName;
    int patternIndex = -1;
};
// The details of a read made with pattern from the screen's choices.
ReadDetails ReadDetailsOf(const CPatternBase* pattern, const ScreenChoices& choices,
                          std::string inputName);
template <class DataSet>
void CompleteReadData(DataSet& data, const ReadDetails& read) {
    data.month = DateText(read.month);
    data.day = DateText(read.day);
    data.inputFileName = read.inputName;
    if (const CPatternBase* pattern = read.pattern) {
        // An amount option counts as 1 (error) or 2 (skip the line) only.
        const auto option = [](int code) { return code == 1 || code == 2 ? code : 0; };
        data.zeroOption = option(pattern->ZeroCheck());
        data.blankOption = option(pattern->BlankCheck());
        data.outputLengthCode = pattern->OutputLengthCode();
        data.lineBreak = pattern->LineBreak();
    }
    data.patternIndex = read.patternIndex;
    data.outputDone = 0;
}

template <class DataSet>
OutputRequest CConversionSteps::OutputRequestOf(const std::string& outputText,
                                                const DataSet& data) {
    OutputRequest request;
    request.outputText = outputText;
    request.inputName = data.inputFileName;
    for (const auto& record : data.details) {
        if (record->deleteFlag == 1) continue;
        if (request.recordsFault == RecordsFault::kNone && record->HasFieldError())
            request.recordsFault = RecordsFault::kInError;
        ++request.keptRecords;
    }
    if (request.keptRecords == 0) request.recordsFault = RecordsFault::kAllDeleted;
    request.lengthCode = data.outputLengthCode;
    request.lineBreak = data.lineBreak;
    return request;
}

template <class DataSet>
bool CConversionSteps::MarkOutput(int result, DataSet& data) {
    data.outputDone = result == kWritten ? 1 : 0;
    if (data.outputDone) data.outputTime = static_cast<std::int64_t>(std::time(nullptr));
    return data.outputDone != 0;
}

}  // namespace kor
