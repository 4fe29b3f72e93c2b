#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include "shell/InstanceProtocol.h"

class QLocalServer;
class QLocalSocket;

namespace sorvel {

// One program per user and display, over a local socket: the program that
// runs listens on it, and a later start hands its request there and ends.
//
// A start never waits long on the socket: a program that does not answer in
// time counts as not there, and a socket left behind by a program that has
// ended (a crash) is taken over.
class SingleInstance : public QObject {
    Q_OBJECT

  public:
    // How long a later start waits for the running program's answer.
    static constexpr int kAnswerTimeoutMs = 800;

    // `name` is the socket's name or full path (see defaultName()).
    explicit SingleInstance(QString name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket for this user and display: in the user's runtime folder
    // where there is one, else the toolkit's place for local sockets, which
    // then only this user may use.
    static QString defaultName();

    // Hands `request` to the program listening; true once it has taken it.
    bool handOver(const InstanceRequest& request, int timeoutMs = kAnswerTimeoutMs) const;
    // Listens for later starts; false when another program already does (or
    // the socket cannot be made), and then this one runs on its own.
    bool listen();
    bool isListening() const;
    const QString& name() const { return name_; }

  signals:
    // A later start asks for this; it has been told that it was taken.
    void requested(const InstanceRequest& request);

  private:
    void accept();
    void read(QLocalSocket* socket);
    // Whether a program answers a connection on the socket at all.
    bool someoneListens() const;

    QString name_;
    QLocalServer* server_ = nullptr;
    // What each sender has sent so far.
    QHash<QLocalSocket*, QByteArray> received_;
};

}  // namespace sorvel
