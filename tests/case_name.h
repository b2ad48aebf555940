#pragma once
// A parameterised case's name: its own description, spaces and signs made
// underscores, so that ctest lists what each case checks, the same in every
// build, and -R can run it again.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

template <typename Case> std::string caseName(const testing::TestParamInfo<Case>& info) {
    std::string name(info.param.what);
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}
