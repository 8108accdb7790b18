#include "debit/ConsignorStore.h"

#include "debit/ConsignorLine.h"
#include "debit/ProgressQuestions.h"

namespace db {

namespace {

const CMasterCodec<CConsignorInfo> kConsignorCodec{
    {.fields = kConsignorLineFields,
     .olderFields = kOldConsignorLineFields,
     .rewriteOlderLines = false,
     .keepOtherLines = false,
     .loadSubLine = "進行状況   %d/%d   "},
    ParseConsignorLine,
    FormatConsignorLine,
};

}  // namespace

CConsignorStore::CConsignorStore(std::string path)
    : CMasterStore(kConsignorCodec, kAbortQuestions, std::move(path), kProgressDialog) {}

}  // namespace db
