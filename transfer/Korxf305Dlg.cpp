#include "transfer/Korxf305Dlg.h"

#include "resources/transfer/Korxf305DlgRes.h"
#include "transfer/MessageIds.h"
#include "transfer/RequesterStore.h"
#include "transfer/ScreenVersion.h"

namespace xf {

namespace {

HeaderRecordControls SharedIds(const Korxf305Controls& ids) {
    return {ids.dialog,      ids.back,        ids.update,        ids.deleteRequester,
            ids.description, ids.name,        ids.requesterCode, ids.branchCode,
            ids.branchName,  ids.accountType, ids.accountNumber, ids.version};
}

constexpr HeaderRecordScreenText kText = {
    .programName = kProgramName,
    .version = kScreenVersion,
    .widths = {74, 40, 10, 3, 15, 7},
    .savedWord = "依頼人情報",
};

constexpr HeaderRecordMessages kMessages = {
    .addQuestion = Msg::kSaveAsNewQuestion,
    .replaceQuestion = Msg::kReplaceStored,
    .saved = Msg::kPartySaved,
    .notWritten = Msg::kMasterNotWritten,
    .deleteQuestion = Msg::kDeleteQuestion,
    .discardChoice = Msg::kDiscardParty,
    .discardOnLeave = Msg::kDiscardCorrections,
};

}  // namespace

const Korxf305Controls kKorxf305Controls = {
    .dialog = IDD_KORXF305,
    .kind = {IDC_XF305_GENERAL, IDC_XF305_SALARY, IDC_XF305_NO_KIND},
    .back = IDC_XF305_BACK,
    .update = IDC_XF305_UPDATE,
    .deleteRequester = IDC_XF305_DELETE,
    .description = IDC_XF305_DESCRIPTION,
    .name = IDC_XF305_NAME,
    .requesterCode = IDC_XF305_REQUESTER_CODE,
    .branchCode = IDC_XF305_BRANCH_CODE,
    .branchName = IDC_XF305_BRANCH_NAME,
    .accountType = IDC_XF305_ACCOUNT_TYPE,
    .accountNumber = IDC_XF305_ACCOUNT_NUMBER,
    .version = IDC_XF305_VERSION,
};

CKorxf305Dlg::CKorxf305Dlg(HICON icon, CApMsgInfoList* messages, HWND parent,
                           const Korxf305Controls& ids)
    : CHeaderRecordScreen(SharedIds(ids), kText, kMessages, icon, messages, parent),
      m_kind(ids.kind) {}

std::vector<std::string> CKorxf305Dlg::StoredDescriptions() const {
    std::vector<std::string> descriptions;
    if (m_store) {
        for (const auto& requester : m_store->GetList())
            descriptions.push_back(requester->description);
    }
    return descriptions;
}

void CKorxf305Dlg::ShowStored(size_t position) {
    CheckRadio(m_kind, 0);
    const RequesterForm form = FromRequester(*m_store->GetList()[position]);
    SetItemText(Ids().name, form.name);
    SetItemText(Ids().code, form.requesterCode);
    SetItemText(Ids().branchCode, form.branchCode);
    SetItemText(Ids().branchName, form.branchName);
    SetItemText(Ids().accountNumber, form.accountNumber);
    ChooseAccountType(form.accountType);
    CheckRadio(m_kind, m_kind[form.kind == "1" ? 0 : form.kind == "2" ? 1 : 2]);
}

RequesterForm CKorxf305Dlg::ReadForm() const {
    RequesterForm form;
    form.description = DescriptionText();
    form.name = GetItemText(Ids().name);
    form.requesterCode = GetItemText(Ids().code);
    form.branchCode = GetItemText(Ids().branchCode);
    form.branchName = GetItemText(Ids().branchName);
    form.accountNumber = GetItemText(Ids().accountNumber);
    form.accountType = ChosenAccountType();
    const int kind = CheckedRadio(m_kind);
    if (kind == m_kind[0]) form.kind = "1";
    if (kind == m_kind[1]) form.kind = "2";
    return form;
}

bool CKorxf305Dlg::IsFormModifiedFrom(int position, const std::string& description) {
    RequesterForm form = ReadForm();
    form.description = description;
    return IsRequesterModified(
        form, position < 0 ? nullptr : m_store->GetList()[static_cast<size_t>(position)].get());
}

int CKorxf305Dlg::StoreForm(int position, bool append) {
    return m_store->Update(position, ToRequester(ReadForm()),
                           append ? CRequesterStore::kAppend : 0);
}

int CKorxf305Dlg::DeleteStored(int position) {
    return m_store->Delete(position);
}

void CKorxf305Dlg::ResetOwnFields() {
    CheckRadio(m_kind, m_kind[2]);
}

}  // namespace xf
