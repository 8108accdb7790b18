#pragma once
// Main screen XF300: the user picks a requester, a conversion pattern, the transfer date and the
// input and output files, reads the customer file into a data set and writes the transfer file.
// The screen owns the message table, both masters and the current data set for the whole run.
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "common/ApMsgInfoList.h"
#include "common/ScreenBase.h"
#include "framework/ControlTip.h"
#include "transfer/ConversionFlow.h"
#include "transfer/DataSet.h"
#include "transfer/PatternStore.h"
#include "transfer/RequesterStore.h"

namespace xf {

// The template, resource and control ids of the screen.
struct Korxf300Controls {
    UINT dialog;
    UINT aboutBox;   // the about box's template
    UINT aboutItem;  // string: the system menu's item that opens it
    UINT icon;       // the program icon
    int exit, read, correct, outputData, check;
    int fixedPattern, delimPattern, requester;  // the settings screens
    int requesterList, pattern, month, day;
    std::array<int, 2> bonusChoice;  // salary, bonus
    int input, browseInput, output, browseOutput;
    int version;
};
// The transfer tool's.
extern const Korxf300Controls kKorxf300Controls;

}  // namespace xf

class CKorxf300Dlg : public CScreenBase {
public:
    // programFolder: where the masters are, ending in a backslash.
    explicit CKorxf300Dlg(std::string programFolder, HWND parent = nullptr,
                          const xf::Korxf300Controls& ids = xf::kKorxf300Controls);
    ~CKorxf300Dlg() override;

    // The data set of the last successful read, or null; it stays the screen's.
    xf::CDataSet* DataSet() const { return m_dataSet.get(); }

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnClose() override;
    bool OnSysCommand(UINT command, LPARAM lp) override;
    bool OnNotify(int id, NMHDR* header) override;
    void OnDestroy() override;
    bool OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

private:

    // Initialisation steps; false when the screen has to end.
    bool LoadMasters();
    void AddAboutItem();
    void CreateTooltip();

    void FillPatternCombo();
    void FillRequesterCombo();
    void UpdateRequesterSelection();
    void OnSelchangePattern();
    void OnSelchangeRequester() { UpdateRequesterSelection(); }

    void OnBtnExit();
    void OnBtnBrowseInput();
    void OnBtnBrowseOutput();
    void OnBtnFileRead();
    void OnBtnOutput();
    void OnBtnCorrect();
    void OnBtnFixedPattern();
    void OnBtnDelimPattern();
    void OnBtnRequester();
    // Keeps the pattern list's choice (position and name) for the refill after a settings screen.
    void RememberPatternSelection();
    void OnBtnCheck();

    // Puts the focus where a stop of the conversion points, painting the field in error.
    void ShowStop(const xf::FlowResult& result);
    int HaveSettingsChanged() const;
    // Asks message 1 and ends the screen unless the answer is Cancel.
    void AskToClose();

    xf::Korxf300Controls m_ids;
    std::string m_programFolder;
    std::string m_helpPath;
    CApMsgInfoList m_messages;
    xf::CPatternStore m_patterns;
    xf::CRequesterStore m_requesters;
    std::unique_ptr<xf::CDataSet> m_dataSet;
    const xf::CRequesterInfo* m_requester = nullptr;  // in m_requesters, or null

    // Selections kept across a refill of the lists.
    int m_patternIndex = -1;
    std::string m_patternName;
    int m_requesterIndex = -1;
    std::string m_requesterDescription;

    kor::CControlTip m_requesterTip;
};
