#include "debit/Kordb305Dlg.h"

#include "debit/ConsignorStore.h"
#include "debit/MessageIds.h"
#include "debit/ScreenVersion.h"
#include "resources/debit/Kordb305DlgRes.h"

namespace db {

namespace {

constexpr CConsignorInfo kRecord{};
constexpr HeaderRecordScreenText kText = {
    .programName = kProgramName,
    .version = kScreenVersion,
    .widths = {sizeof kRecord.description - 1, sizeof kRecord.name - 1, sizeof kRecord.code - 1,
               sizeof kRecord.branchCode - 1, sizeof kRecord.branchName - 1,
               sizeof kRecord.accountNumber - 1},
    .savedWord = "委託者情報",
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

const Kordb305Controls kKordb305Controls = {
    .dialog = IDD_KORDB305,
    .back = IDC_DB305_BACK,
    .update = IDC_DB305_UPDATE,
    .deleteRecord = IDC_DB305_DELETE,
    .description = IDC_DB305_DESCRIPTION,
    .name = IDC_DB305_NAME,
    .code = IDC_DB305_CODE,
    .branchCode = IDC_DB305_BRANCH_CODE,
    .branchName = IDC_DB305_BRANCH_NAME,
    .accountType = IDC_DB305_ACCOUNT_TYPE,
    .accountNumber = IDC_DB305_ACCOUNT_NUMBER,
    .version = IDC_DB305_VERSION,
};

CKordb305Dlg::CKordb305Dlg(HICON icon, CApMsgInfoList* messages, HWND parent,
                           const Kordb305Controls& ids)
    : CHeaderRecordScreen(ids, kText, kMessages, icon, messages, parent) {}

std::vector<std::string> CKordb305Dlg::StoredDescriptions() const {
    std::vector<std::string> descriptions;
    if (m_store) {
        for (const auto& consignor : m_store->GetList())
            descriptions.push_back(consignor->description);
    }
    return descriptions;
}

void CKordb305Dlg::ShowStored(size_t position) {
    const ConsignorForm form = FromConsignor(*m_store->GetList()[position]);
    SetItemText(Ids().name, form.name);
    SetItemText(Ids().code, form.code);
    SetItemText(Ids().branchCode, form.branchCode);
    SetItemText(Ids().branchName, form.branchName);
    SetItemText(Ids().accountNumber, form.accountNumber);
    ChooseAccountType(form.accountType);
}

ConsignorForm CKordb305Dlg::ReadForm() const {
    ConsignorForm form;
    form.description = DescriptionText();
    form.name = GetItemText(Ids().name);
    form.code = GetItemText(Ids().code);
    form.branchCode = GetItemText(Ids().branchCode);
    form.branchName = GetItemText(Ids().branchName);
    form.accountNumber = GetItemText(Ids().accountNumber);
    form.accountType = ChosenAccountType();
    return form;
}

bool CKordb305Dlg::IsFormModifiedFrom(int position, const std::string& description) {
    ConsignorForm form = ReadForm();
    form.description = description;
    return IsConsignorModified(
        form, position < 0 ? nullptr : m_store->GetList()[static_cast<size_t>(position)].get());
}

int CKordb305Dlg::StoreForm(int position, bool append) {
    return m_store->Update(position, ToConsignor(ReadForm()),
                           append ? CConsignorStore::kAppend : 0);
}

int CKordb305Dlg::DeleteStored(int position) {
    return m_store->Delete(position);
}

}  // namespace db
