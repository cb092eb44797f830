// The calendar year of the machine's clock, read here independently of the code
// under test (a settings file starts with it as the report year).
#pragma once

#include <ctime>
#include <string>

namespace zev::test {

inline int DiesesJahr() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    ::localtime_r(&jetzt, &t);
    return t.tm_year + 1900;
}

} // namespace zev::test
