#include "app/korvex_application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widgets run without a display unless a test run asks for another platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    korvex::KorvexApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
