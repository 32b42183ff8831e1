#include "OvCoordSystem/archive/ScopedStreamLocale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

// Outside Windows the switch must leave both the C++ and the C locale untouched.
TEST(ScopedStreamLocale, ChangesNothingOutsideWindows)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows switches the locale for real";
#else
    const std::string cppBefore = std::locale().name();
    const std::string cBefore = std::setlocale(LC_ALL, nullptr);
    {
        CScopedStreamLocale chinese(".936");
        EXPECT_FALSE(chinese.isSwitched());
        EXPECT_EQ(std::locale().name(), cppBefore);
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), cBefore);
    }
    EXPECT_EQ(std::locale().name(), cppBefore);
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), cBefore);
#endif
}
