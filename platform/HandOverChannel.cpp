#include "platform/HandOverChannel.h"

#include <algorithm>

#include <QByteArray>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include "platform/DisplayKey.h"
#include "platform/UserRuntimeDir.h"

namespace {

constexpr int ConnectAttemptMs = 200;
constexpr int RetryPauseMs = 50;
constexpr int SendMs = 2000;

}  // namespace

std::string HandOverSocketPath(const std::string& name)
{
    return UserRuntimeDir() + "/" + PerDisplayName(name);
}

THandOverServer::THandOverServer(const std::string& name, Receiver receiver)
    : path_(HandOverSocketPath(name)), receiver_(std::move(receiver)), server_(std::make_unique<QLocalServer>())
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] { Accept(); });
}

THandOverServer::~THandOverServer() = default;

bool THandOverServer::Listen()
{
    const QString path = QString::fromStdString(path_);
    QLocalServer::removeServer(path);
    return server_->listen(path);
}

void THandOverServer::Accept()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        auto received = std::make_shared<QByteArray>();
        auto* limit = new QTimer(socket);
        limit->setSingleShot(true);
        QObject::connect(limit, &QTimer::timeout, socket, [socket] { socket->abort(); });
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, received] {
            const QByteArray chunk = socket->readAll();
            const auto room = qsizetype(HandOverTextLimit) - received->size();
            if (room > 0) received->append(chunk.left(room));
        });
        // A client that the time limit cut off delivers nothing.
        QObject::connect(socket, &QLocalSocket::disconnected, socket, [this, socket, received, limit] {
            const QByteArray rest = socket->readAll();
            received->append(rest.left(std::max<qsizetype>(0, qsizetype(HandOverTextLimit) - received->size())));
            const bool complete = limit->isActive();
            limit->stop();
            socket->deleteLater();
            if (complete && receiver_) receiver_(received->toStdString());
        });
        limit->start(HandOverReceiveMs);
    }
}

bool SendHandOver(const std::string& name, const std::string& text, int retryMs,
                  const std::function<void()>& refused)
{
    const QString path = QString::fromStdString(HandOverSocketPath(name));
    QLocalSocket socket;
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        socket.connectToServer(path);
        if (socket.waitForConnected(ConnectAttemptMs)) break;
        socket.abort();
        if (refused) refused();
        if (elapsed.elapsed() >= retryMs) return false;
        QThread::msleep(RetryPauseMs);
    }
    const QByteArray bytes = QByteArray::fromStdString(text);
    if (socket.write(bytes) != bytes.size()) return false;
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(SendMs)) return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(SendMs);
    return true;
}
