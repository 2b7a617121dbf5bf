#include <QGuiApplication>

#include <gtest/gtest.h>

// Tests draw offscreen: Qt's fonts and painting need a GUI application, never a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
