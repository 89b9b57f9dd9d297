#include <QApplication>

#include <gtest/gtest.h>

// The widget tests need one application object for the whole run; this main takes precedence
// over the one in gtest_main.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
