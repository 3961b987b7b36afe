// The GUI tests need one QApplication for the whole run. Without a display they use Qt's offscreen
// platform, also when ctest lists the tests before running them. They keep their data in the build
// tree, never in the user's own data directory, and read the small registry of the test fixtures for
// the MAC vendor lookup.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/Fonts.hpp"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VORLIX_DATA_DIR", VORLIX_GUI_TEST_DATA_DIR);
    qputenv("VORLIX_IEEE_DATA", VORLIX_FIXTURE_DIR "/ieee-data");
    QApplication app(argc, argv);
    QApplication::setFont(vorlix::interfaceFont());  // as the program does, so that sizes are the real ones
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
