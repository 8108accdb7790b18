#pragma once
// The first failed check of a settings form: the message to show, its words and the field that
// takes the focus (a value of the form's own field enumeration). Message 0 means no fault.
#include <string>

struct FormFault {
    int message = 0;
    std::string word1;
    std::string word2;
    int field = 0;

    explicit operator bool() const { return message != 0; }
    const char* Word1() const { return word1.empty() ? nullptr : word1.c_str(); }
    const char* Word2() const { return word2.empty() ? nullptr : word2.c_str(); }
};
