// Names parameterised tests after the `name` member of their case.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace test {

template <typename TCase>
std::string ParamName(const ::testing::TestParamInfo<TCase>& param) {
    return param.param.name;
}

} // namespace test
