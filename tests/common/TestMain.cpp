#include <QApplication>
#include <gtest/gtest.h>

// LeakSanitizer reads its options from here too, so the suppressions for leaks inside Qt and GDAL
// also apply when ctest lists the tests, before its test environment is set.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_options()
{
    return "suppressions=" OV_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

// Every suite runs under a QApplication on the offscreen platform, also when gtest_discover_tests
// lists the tests at build time, where CTest's environment does not apply.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
