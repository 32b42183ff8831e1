#include <QApplication>
#include <gtest/gtest.h>

// Every suite runs under a QApplication on the offscreen platform, also when gtest_discover_tests
// lists the tests at build time, where CTest's environment does not apply.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
