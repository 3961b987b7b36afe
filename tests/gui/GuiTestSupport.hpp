#pragma once
// Helpers shared by the GUI tests.
#include <QByteArray>
#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QWidget>
#include <vector>

#include "app/MessageBox.hpp"

namespace vorlix::test {

// Clicks a check box or radio button where a user does: on its indicator, not on its caption.
inline void clickIndicator(QWidget* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// Answers every message box while it lives and keeps what was asked.
class MessageRecorder {
public:
    explicit MessageRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok) : m_answer(answer) {
        setMessageHook([this](const Message& m) {
            seen.push_back(m);
            return m_answer;
        });
    }
    ~MessageRecorder() { setMessageHook({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void answer(QMessageBox::StandardButton a) { m_answer = a; }

    std::vector<Message> seen;

private:
    QMessageBox::StandardButton m_answer;
};

// Sets an environment variable for the life of the object.
class EnvOverride {
public:
    EnvOverride(const char* name, const QString& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, value.toLocal8Bit());
    }
    ~EnvOverride() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    EnvOverride(const EnvOverride&) = delete;
    EnvOverride& operator=(const EnvOverride&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

}  // namespace vorlix::test
