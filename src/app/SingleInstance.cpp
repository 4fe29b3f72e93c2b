#include "app/SingleInstance.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace sorvel {

namespace {

// A sender that has not sent a whole request by then is dropped.
constexpr int kReceiveTimeoutMs = 5000;
// A socket's path longer than this does not fit the address of a local
// socket.
constexpr qsizetype kMaxSocketPath = 100;

// Whether the program at the other end of `socket` runs as this user: a
// socket in a shared folder could be anyone's.
bool sameUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    const auto fd = static_cast<int>(socket.socketDescriptor());
    return fd >= 0 && getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == getuid();
}

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultName() {
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    }
    if (display.isEmpty()) {
        display = QGuiApplication::platformName();
    }
    const QString name = QString::fromStdString(
        InstanceProtocol::serverName(static_cast<unsigned long>(getuid()), display.toStdString()));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        const QString path = runtime + QLatin1Char('/') + name;
        if (path.size() <= kMaxSocketPath) {
            return path;
        }
    }
    return name;
}

bool SingleInstance::handOver(const InstanceRequest& request, int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime())) || !sameUser(socket)) {
        return false;
    }
    const std::string message = InstanceProtocol::encode(request);
    socket.write(message.data(), static_cast<qint64>(message.size()));
    const QByteArray expected = QByteArray::fromStdString(std::string(InstanceProtocol::kAnswer));
    QByteArray answer;
    while (answer.size() < expected.size() && !deadline.hasExpired()) {
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
        answer += socket.readAll();
    }
    return answer.startsWith(expected);
}

bool SingleInstance::someoneListens() const {
    QLocalSocket probe;
    probe.connectToServer(name_);
    const bool there = probe.waitForConnected(kAnswerTimeoutMs);
    probe.abort();
    return there;
}

bool SingleInstance::listen() {
    if (server_) {
        return server_->isListening();
    }
    // A socket made for this user alone takes the place of any file of the
    // same name, a live program's socket too: so look first.
    if (someoneListens()) {
        return false;
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    bool listening = server_->listen(name_);
    if (!listening && server_->serverError() == QAbstractSocket::AddressInUseError) {
        // Left behind by a program that has ended.
        QLocalServer::removeServer(name_);
        listening = server_->listen(name_);
    }
    if (listening) {
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
    }
    return listening;
}

bool SingleInstance::isListening() const {
    return server_ && server_->isListening();
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (!sameUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { received_.remove(socket); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        QTimer::singleShot(kReceiveTimeoutMs, socket, [socket] { socket->abort(); });
        read(socket);
    }
}

void SingleInstance::read(QLocalSocket* socket) {
    QByteArray& received = received_[socket];
    received += socket->readAll();
    InstanceRequest request;
    switch (InstanceProtocol::decode(
        std::string_view(received.constData(), static_cast<std::size_t>(received.size())),
        request)) {
        case InstanceProtocol::Decoded::Incomplete:
            return;
        case InstanceProtocol::Decoded::Invalid:
            socket->abort();
            return;
        case InstanceProtocol::Decoded::Complete:
            break;
    }
    received.clear();
    socket->write(InstanceProtocol::kAnswer.data(),
                  static_cast<qint64>(InstanceProtocol::kAnswer.size()));
    socket->flush();
    socket->disconnectFromServer();
    emit requested(request);
}

}  // namespace sorvel
