// Test entry for the application: the window needs a Qt application object.
// Tests run on the offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Tests open and close many windows; the last one closed must not post a
    // quit that a later test's event loop would receive.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
