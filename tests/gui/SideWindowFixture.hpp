#pragma once
// A fixture for the GUI tests of one side window: the main window is shown and the side window is
// opened with its button, as a user opens it.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <string>
#include <string_view>

#include "app/MainWindow.hpp"
#include "app/QtText.hpp"
#include "app/ScriptPane.hpp"
#include "windows/SideWindow.hpp"

namespace vorlix::test {

class SideWindowFixture : public ::testing::Test {
protected:
    SideWindowFixture(std::string_view button, std::string_view window) : m_button(button), m_window(window) {}

    void SetUp() override {
        mainWindow.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
        welcome = mainWindow.scriptPane()->script();
        w = open();
        ASSERT_NE(w, nullptr);
    }

    // Presses the window's button in the main window; the window it shows (the same one each time).
    SideWindow* open() {
        QTest::mouseClick(mainWindow.findChild<QPushButton*>(qs(m_button)), Qt::LeftButton);
        auto* side = mainWindow.findChild<SideWindow*>(qs(m_window));
        if (side != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(side));
        }
        return side;
    }
    template <typename T = QWidget>
    T* find(const char* name) {
        T* found = w->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    MainWindow mainWindow;
    std::string welcome;
    SideWindow* w = nullptr;

private:
    std::string m_button, m_window;
};

}  // namespace vorlix::test
