#pragma once
// A case of a table over the save checks of a settings form: a change made to a valid form, the
// message it must bring with its words, and the field it points at (a field of the form, or the
// control of the screen, as the table says).
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "common/base/FormFault.h"
#include "support/MessageNumber.h"

namespace kortest {

template <class Form>
struct FormCase {
    const char* name;
    std::function<void(Form&)> change;
    int message;
    const char* word1;
    const char* word2;
    int field;
};

template <class Form>
void PrintTo(const FormCase<Form>& c, std::ostream* os) {
    *os << c.name;
}

// Names each instance of a table after its case.
template <class Form>
std::string CaseName(const testing::TestParamInfo<FormCase<Form>>& info) {
    return info.param.name;
}

// The fault that check finds in a valid form changed by the case is the case's.
template <class Form, class Check>
void ExpectFirstFault(const FormCase<Form>& c, Form form, Check check) {
    c.change(form);
    const FormFault fault = check(form);
    EXPECT_EQ(kortest::NumberOf(fault.message), c.message);
    EXPECT_EQ(fault.word1, c.word1);
    EXPECT_EQ(fault.word2, c.word2);
    EXPECT_EQ(fault.field, c.field);
}

}  // namespace kortest
