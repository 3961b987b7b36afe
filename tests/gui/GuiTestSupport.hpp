#pragma once
// Helpers shared by the GUI tests.
#include <QByteArray>
#include <QLabel>
#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QWidget>
#include <vector>

#include "app/MessageBox.hpp"

namespace vorlix::test {

// Where a widget sits in `to`: its left edge and its vertical centre.
inline int leftX(const QWidget* w, const QWidget* to) {
    return w->mapTo(to, QPoint(0, 0)).x();
}
inline int centreY(const QWidget* w, const QWidget* to) {
    return w->mapTo(to, w->rect().center()).y();
}

// The label in front of a field (the one whose buddy it is) among the labels below `within`, or null.
inline QLabel* labelFor(const QWidget* within, const QWidget* field) {
    for (QLabel* l : within->findChildren<QLabel*>())
        if (l->buddy() == field) return l;
    return nullptr;
}

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
