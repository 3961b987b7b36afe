#pragma once
// Helpers shared by the GUI tests.
#include <QMessageBox>
#include <vector>

#include "app/MessageBox.hpp"

namespace vorlix::test {

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

}  // namespace vorlix::test
