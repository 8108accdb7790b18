#pragma once
// Base of a tool's main screen: the user picks a requester or consignor (the party), a
// conversion pattern, the date and the input and output files, reads the customer file into a
// data set and writes the bank's file. The base holds what every tool's main screen does the same
// way: the start (version label, about item, icon, disabled buttons, masters, month and day lists,
// the tip over the party list), the lists that keep their choice across a refill, the buttons,
// the about box, the minimised icon, closing, browsing and the frame of a read and an output. The
// tool gives its masters, its flow's read and output, its settings, correction and check screens
// and its tip text; CConversionScreenOf gives the masters and the flow from the tool's stores and
// flow.
#include <windows.h>

#include <cstddef>
#include <string>

#include "common/base/ApMsgInfoList.h"
#include "common/flow/ConversionSteps.h"
#include "common/flow/FlowMessages.h"
#include "common/screens/ScreenBase.h"
#include "framework/ControlTip.h"

namespace kor {

// The template, resource and control ids of a main screen.
struct ConversionControls {
    UINT dialog;
    UINT aboutBox;   // the about box's template
    UINT aboutItem;  // string: the system menu's item that opens it
    UINT icon;       // the program icon
    int exit, read, correct, outputData, check;
    int fixedPattern, delimPattern, party;  // the settings screens
    int partyList, pattern, month, day;
    int input, browseInput, output, browseOutput;
    int version;
};

// The names a main screen starts with.
struct ConversionScreenNames {
    const char* programName;    // "Korxf300": captions the plain boxes and the about box
    const char* version;        // the version label, "(Ver4.11)"
    const char* messageMaster;  // the files of the program folder
    const char* patternMaster;
    const char* partyMaster;
    const char* helpFile;
};

// The main screen's own messages, as the tool numbers them.
struct ConversionScreenMessages {
    MessageId notOutput;        // at exit: the error-free data set was not written
    MessageId endQuestion;      // end the program? Cancel keeps it open
    MessageId settingsChanged;  // at output: the choices changed since the read
};

// What a read stored of the choices, for the question whether they have changed since.
struct ReadSettings {
    int patternIndex = -1;
    std::string month;  // leading blanks removed
    std::string day;
    const char* partyDescription = nullptr;  // null: the data set has no party
};

// The result of the comparison for each setting that differs (0 is "unchanged").
struct SettingsChangeCodes {
    int pattern, month, day, party;
};

// What the screen's buttons need to know of the current data set.
struct DataState {
    bool exists = false;
    bool errorFree = false;   // read without records in error
    bool outputDone = false;  // written since the read
};

// The state of a tool's data set (null: none).
template <class DataSet>
DataState DataStateOf(const DataSet* data) {
    DataState state;
    state.exists = data != nullptr;
    state.errorFree = data && data->errorFree == 1;
    state.outputDone = data && data->outputDone != 0;
    return state;
}

// What a tool's data set stored of the choices; party: its requester or consignor, or null.
template <class DataSet, class Party>
ReadSettings ReadSettingsOf(const DataSet& data, const Party* party) {
    ReadSettings read;
    read.patternIndex = data.patternIndex;
    read.month = data.month;
    read.day = data.day;
    read.partyDescription = party ? party->description : nullptr;
    return read;
}

}  // namespace kor

class CConversionScreen : public CScreenBase {
public:
    // programFolder: where the masters are, ending in a backslash.
    CConversionScreen(std::string programFolder, HWND parent, const kor::ConversionControls& ids,
                      const kor::ConversionScreenNames& names,
                      const kor::ConversionScreenMessages& messages);
    ~CConversionScreen() override;

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnClose() override;
    bool OnSysCommand(UINT command, LPARAM lp) override;
    bool OnNotify(int id, NMHDR* header) override;
    void OnDestroy() override;
    bool OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

    // The tool's masters: the load result of its pattern master (1 loaded) and of its party
    // master (1 loaded, 0 not loaded, -1 out of memory, said already).
    virtual int LoadPatternMaster(const std::string& path) = 0;
    virtual int LoadPartyMaster(const std::string& path) = 0;
    virtual std::size_t PatternCount() const = 0;
    virtual std::string PatternName(std::size_t index) const = 0;
    virtual std::size_t PartyCount() const = 0;
    virtual std::string PartyDescription(std::size_t index) const = 0;
    // Takes the party at index of the master's list as the chosen one; -1: none.
    virtual void SetParty(int index) = 0;
    // The pattern list's choice changed (-1: none); the screen's own controls may follow it.
    virtual void OnPatternSelected(int /*index*/) {}
    // The tip over the party list for the chosen party (empty for none).
    virtual std::string PartyTipText() const = 0;

    // The tool's flow; the result points at the field to focus.
    virtual kor::FlowResult ReadData(CFlowMessages& messages,
                                     const kor::ScreenChoices& choices) = 0;
    virtual kor::FlowResult WriteData(CFlowMessages& messages, const std::string& outputText) = 0;
    virtual kor::DataState CurrentData() const = 0;
    // Non-zero when the choices differ from those of the read (settingsChanged at output).
    virtual int HaveSettingsChanged() const = 0;

    // The sub-screens; the base refills the lists afterwards.
    virtual void RunFixedPatternScreen() = 0;
    virtual void RunDelimPatternScreen() = 0;
    virtual void RunPartyScreen() = 0;
    virtual void RunCorrectionScreen() = 0;
    virtual void RunCheckScreen() = 0;

    // The first of the settings that differs from read, as its code; 0 when none does.
    int CompareWithRead(const kor::ReadSettings& read, const kor::SettingsChangeCodes& codes) const;

    // Takes the party of the party list's choice.
    void UpdatePartySelection();
    const kor::ConversionControls& Ids() const { return m_ids; }
    CApMsgInfoList& MessageTable() { return m_messages; }

private:
    bool LoadMasters();
    void AddAboutItem();
    void CreateTooltip();

    void FillPatternCombo();
    void FillPartyCombo();
    void OnSelchangePattern();

    void OnBtnExit();
    void OnBtnBrowseInput();
    void OnBtnBrowseOutput();
    void OnBtnFileRead();
    void OnBtnOutput();
    void OnBtnCorrect();
    void OnBtnFixedPattern();
    void OnBtnDelimPattern();
    void OnBtnParty();
    void OnBtnCheck();
    // Keeps the pattern list's choice (position and name) for the refill after a settings screen.
    void RememberPatternSelection();

    // Puts the focus where a stop of the conversion points, painting the field in error.
    void ShowStop(const kor::FlowResult& result);
    // Asks endQuestion and ends the screen unless the answer is Cancel.
    void AskToClose();

    kor::ConversionControls m_ids;
    kor::ConversionScreenNames m_names;
    kor::ConversionScreenMessages m_screenMessages;
    std::string m_programFolder;
    std::string m_helpPath;  // the tool's help file: kept, never opened
    CApMsgInfoList m_messages;

    // Selections kept across a refill of the lists.
    int m_patternIndex = -1;
    std::string m_patternName;
    int m_partyIndex = -1;
    std::string m_partyDescription;

    kor::CControlTip m_partyTip;
};
