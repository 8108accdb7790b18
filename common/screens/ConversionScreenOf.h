#pragma once
// A main screen over a tool's pattern store, party store (requesters or consignors) and
// conversion flow: it owns both masters, the party chosen and the current data set for the whole
// run, fills the lists from the masters, hands the chosen party and the screen's choices to the
// flow's read and the data set to its output. The tool's screen gives what is its own: the tip
// text, the settings-changed codes, the sub-screens and any choice of its own for the read.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <utility>

#include "common/screens/ConversionScreen.h"

// Flow: a tool's conversion flow, constructed with (messages, message table, parent), with
// Read(patterns, choices, data) and Output(outputText, data); Flow::Choices a kor::PartyChoices
// of the party store's records.
template <class PatternStore, class PartyStore, class Flow>
class CConversionScreenOf : public CConversionScreen {
public:
    using Party = typename PartyStore::Record;
    using Data = typename Flow::DataSet;
    using Choices = typename Flow::Choices;

    ~CConversionScreenOf() override { DestroyWindow(); }

    // The data set of the last successful read, or null; it stays the screen's.
    Data* DataSet() const { return m_dataSet.get(); }

protected:
    using CConversionScreen::CConversionScreen;

    void OnDestroy() override {
        m_dataSet.reset();
        m_party = nullptr;
        CConversionScreen::OnDestroy();
    }

    PatternStore& Patterns() { return m_patterns; }
    PartyStore& Parties() { return m_parties; }
    // The party of the party list's choice, in the party master; null for none.
    const Party* ChosenParty() const { return m_party; }

    // The choices of a read: the chosen party and the common controls' choices.
    virtual Choices ChoicesOfRead(const kor::ScreenChoices& screen) const {
        Choices choices;
        choices.party = m_party;
        choices.screen = screen;
        return choices;
    }

private:
    int LoadPatternMaster(const std::string& path) override {
        m_patterns.SetOwner(&MessageTable(), GetSafeHwnd());
        return m_patterns.Load(path);
    }
    int LoadPartyMaster(const std::string& path) override {
        m_parties.SetOwner(&MessageTable(), GetSafeHwnd());
        return m_parties.Load(path);
    }
    std::size_t PatternCount() const override { return m_patterns.GetList().size(); }
    std::string PatternName(std::size_t index) const override {
        return m_patterns.GetList()[index]->name;
    }
    std::size_t PartyCount() const override { return m_parties.GetList().size(); }
    std::string PartyDescription(std::size_t index) const override {
        return m_parties.GetList()[index]->description;
    }
    void SetParty(int index) override {
        m_party = index >= 0 ? m_parties.GetList()[static_cast<std::size_t>(index)].get() : nullptr;
    }

    kor::FlowResult ReadData(CFlowMessages& messages, const kor::ScreenChoices& screen) override {
        Flow flow(messages, &MessageTable(), GetSafeHwnd());
        return flow.Read(m_patterns, ChoicesOfRead(screen), m_dataSet);
    }
    kor::FlowResult WriteData(CFlowMessages& messages, const std::string& outputText) override {
        Flow flow(messages, &MessageTable(), GetSafeHwnd());
        return flow.Output(outputText, *m_dataSet);
    }
    kor::DataState CurrentData() const override { return kor::DataStateOf(m_dataSet.get()); }

    PatternStore m_patterns;
    PartyStore m_parties;
    std::unique_ptr<Data> m_dataSet;
    const Party* m_party = nullptr;  // in m_parties, or null
};
