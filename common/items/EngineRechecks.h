#pragma once
// The item checks of a correction screen by a tool's reader engine: a new engine set up from the
// data set by the tool, its item check for the data set's record kind and its totals.
#include <string>
#include <string_view>

#include "common/items/CorrectionRules.h"

template <class Engine, class DataSet>
class CEngineRechecks : public CItemRechecks {
public:
    using SetUp = void (*)(Engine& engine, const DataSet& dataSet);

    CEngineRechecks(DataSet& dataSet, int recordKind, SetUp setUp)
        : m_dataSet(dataSet), m_recordKind(recordKind) {
        setUp(m_engine, dataSet);
        m_engine.ResetErrorCount();
    }

    int CheckItem(std::string& text, int kind, bool namesMissing) override {
        return m_engine.ValidateField(text, kind, m_recordKind, namesMissing ? 1 : 0);
    }
    std::string MapAccountType(std::string_view text) override {
        return m_engine.MapAccountType(text);
    }
    bool CommitDataSet() override {
        int hasError = 0;
        m_engine.RevalidateRecord(m_dataSet, &hasError);
        m_dataSet.errorFree = hasError ? 0 : 1;
        m_dataSet.outputDone = 0;
        return hasError != 0;
    }

private:
    Engine m_engine;
    DataSet& m_dataSet;
    int m_recordKind;
};
