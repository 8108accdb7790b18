#pragma once
// Requester screen TX305: the one requester of the requester master, its two name lines and two
// address lines in half-width katakana. The stored record is shown when the screen opens and
// written as a whole by 更新; leaving with lines that differ from the stored record asks first.
#include <windows.h>

#include <array>
#include <string>

#include "common/screens/ScreenBase.h"
#include "framework/ByteLimitedEdit.h"
#include "localtax/RequesterInfo.h"

namespace tx {

class CKorTx305Dlg : public CScreenBase {
public:
    // color: the main screen's dialog colour (every screen wears the shared one); programFolder:
    // where the requester master is, without a trailing backslash; text: kept. Neither the message
    // table nor the icon is owned.
    CKorTx305Dlg(COLORREF color, HICON icon, ::CApMsgInfoList* messages, std::string programFolder,
                 std::string text = {}, HWND parent = nullptr);

    // The four lines as the screen stores them, each cut to its width.
    CRequesterInfo ReadForm() const;

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnClose() override { OnBtnBack(); }

private:
    void InitControls();
    void ShowForm(const CRequesterInfo& record) const;
    void OnBtnUpdate();
    void OnBtnBack();

    std::string m_programFolder;
    std::string m_text;
    // Each line goes into a master field of fixed width in bytes.
    std::array<kor::CByteLimitedEdit, 4> m_limits;
};

}  // namespace tx
