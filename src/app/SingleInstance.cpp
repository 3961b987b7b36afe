#include "app/SingleInstance.hpp"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include "forms/data_dir.hpp"

namespace vorlix {
namespace {

constexpr int kTimeoutMs = 1000;
const QByteArray kShowRequest = QByteArrayLiteral("show\n");

}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent) : QObject(parent), m_name(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName() {
    // The user and the data directory make the key: two users never meet, and a copy started with
    // its own VORLIX_DATA_DIR runs beside the usual one.
    QByteArray key = qgetenv("USER");
    if (key.isEmpty()) key = qgetenv("USERNAME");
    key += '\n';
    key += QByteArray::fromStdString(data_dir());
    return QStringLiteral("vorlix-") +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16));
}

bool SingleInstance::askRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kTimeoutMs)) return false;
    socket.write(kShowRequest);
    const bool sent = socket.waitForBytesWritten(kTimeoutMs);
    socket.disconnectFromServer();
    return sent;
}

bool SingleInstance::claim() {
    if (askRunningInstance()) return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A socket left behind by a program that did not end cleanly: nobody answered on it above.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) return true;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) return;
                if (socket->readLine() == kShowRequest) Q_EMIT showRequested();
                socket->disconnectFromServer();
            });
        }
    });
    return true;
}

}  // namespace vorlix
