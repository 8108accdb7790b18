#include "debit/ConsignorStore.h"

#include "debit/ConsignorLine.h"
#include "debit/ProgressQuestions.h"

namespace db {

namespace {

const CMasterCodec<CConsignorInfo> kConsignorCodec{
    {kConsignorLineFields, kOldConsignorLineFields, false, "進行状況   %d/%d   "},
    ParseConsignorLine,
    FormatConsignorLine,
};

}  // namespace

CConsignorStore::CConsignorStore(std::string path)
    : CMasterStore(kConsignorCodec, kAbortQuestions, std::move(path), kProgressDialog) {}

}  // namespace db
