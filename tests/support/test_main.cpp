#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

// Every test program runs with a QApplication so that widgets, fonts and painting work headless.
int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
