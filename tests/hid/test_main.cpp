// The device layer posts its notices on the Qt event loop, so its tests need a core
// application; tests run the loop with QCoreApplication::processEvents().
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
