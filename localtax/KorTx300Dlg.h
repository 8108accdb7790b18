#pragma once
// Main screen TX300: the user picks a conversion pattern, the input file and the output folder,
// reads the customer file into a data set and writes the numbered local-tax files. The screen
// owns the message table, the pattern master, the requester record and both data sets (the one
// read and the one written) for the whole run; the checks, the read and the output are
// tx::CConversionFlow's.
#include <windows.h>

#include <memory>
#include <string>

#include "common/screens/ScreenBase.h"
#include "localtax/ApMsgInfoList.h"
#include "localtax/ConversionFlow.h"
#include "localtax/DataSet.h"
#include "localtax/PatternStore.h"
#include "localtax/RequesterInfo.h"

class CKorTx300Dlg : public CScreenBase {
public:
    // programFolder: where the masters are (a trailing backslash is dropped).
    explicit CKorTx300Dlg(std::string programFolder, HWND parent = nullptr);
    ~CKorTx300Dlg() override;

    // The data set of the last successful read and of the last output, or null; they stay the
    // screen's.
    const tx::CDataSet* ReadData() const { return m_readData.get(); }
    const tx::CDataSet* OutputData() const { return m_outputData.get(); }

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnClose() override;
    bool OnSysCommand(UINT command, LPARAM lp) override;
    bool OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

private:
    // The message master, then the pattern master; false when the screen cannot go on.
    bool LoadMasters();
    void LoadRequester();
    void FillPatternCombo();
    void RememberPatternSelection();
    bool IsPatternChanged() const;
    void ClearData();
    void Redraw() const;
    // Focus and yellow on the field a stopped check points at.
    void ShowStop(tx::FlowField field);

    void OnBtnFileRead();
    void OnBtnOutput();
    void OnBtnBrowseInput();
    void OnBtnBrowseOutput();
    void OnBtnExit();
    void OnBtnFixedPattern();
    void OnBtnDelimPattern();
    void OnBtnRequester();

    // The settings, correction and check screens TX303, TX304, TX305, TX301 and TX302 open
    // here.
    void RunFixedPatternScreen();
    void RunDelimPatternScreen();
    void RunRequesterScreen();
    void RunCorrectionScreen();
    void RunCheckScreen();

    std::string m_programFolder;
    tx::CApMsgInfoList m_messages;
    tx::CPatternStore m_patterns;
    std::unique_ptr<tx::CRequesterInfo> m_requester;
    std::unique_ptr<tx::CDataSet> m_readData;
    std::unique_ptr<tx::CDataSet> m_outputData;
    tx::ItemSetFlags m_itemSets{};
    bool m_notOutput = false;  // read since the last output
    int m_patternIndex = 0;    // the pattern of the last read, or kept across a refill
    std::string m_patternName;
};
