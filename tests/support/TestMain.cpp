// main() of every test program: a private environment, the offscreen
// platform, then GoogleTest.
#include "TestEnvironment.h"

#include "app/EngineSandbox.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    TestEnvironment environment;
    EngineSandbox::configure();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
