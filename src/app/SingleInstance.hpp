#pragma once
// One running program per user: the first start listens on a local socket; a later start tells it
// to show its window and ends.
#include <QObject>
#include <QString>

class QLocalServer;

namespace vorlix {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket name of the current user (and data directory).
    static QString defaultServerName();

    // True when this process is the first and now listens; false when another instance answered
    // and was asked to show its window. When neither works the program runs anyway: true.
    bool claim();

Q_SIGNALS:
    // A later start asked this one to show its window.
    void showRequested();

private:
    bool askRunningInstance();

    QString m_name;
    QLocalServer* m_server = nullptr;
};

}  // namespace vorlix
