#include "SingleInstance.h"

#include <unistd.h>

#include <QByteArray>
#include <QLocalServer>
#include <QLocalSocket>
#include <QString>
#include <cstdlib>

namespace {
constexpr char kKnock[] = "activate\n";
constexpr int kWaitMs = 2000;
}  // namespace

SingleInstance::SingleInstance(std::string key) : key_(std::move(key)) {}

SingleInstance::~SingleInstance() = default;

std::string SingleInstance::DefaultKey() {
  if (const char* key = std::getenv("TINTONIA_INSTANCE_KEY"); key && *key) return key;
  return "tintonia-" + std::to_string(::getuid());
}

bool SingleInstance::Knock() {
  QLocalSocket socket;
  socket.connectToServer(QString::fromStdString(key_));
  if (!socket.waitForConnected(kWaitMs)) return false;
  socket.write(kKnock);
  socket.waitForBytesWritten(kWaitMs);
  // The running program closes the connection once it has come forward.
  socket.waitForDisconnected(kWaitMs);
  return true;
}

SingleInstance::Role SingleInstance::Claim() {
  if (Knock()) return Role::Second;
  // Nobody answered. A socket file still there was left by a program that did
  // not end cleanly; listening with access options would replace it anyway.
  const QString name = QString::fromStdString(key_);
  QLocalServer::removeServer(name);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name)) {
    server_.reset();
    return Role::Failed;
  }
  QObject::connect(server_.get(), &QLocalServer::newConnection, [this] { Accept(); });
  return Role::First;
}

void SingleInstance::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto read = [this, socket] {
      if (!socket->canReadLine()) return;
      const QByteArray line = socket->readLine();
      if (line == kKnock && onActivate_) onActivate_();
      socket->disconnectFromServer();
    };
    QObject::connect(socket, &QLocalSocket::readyRead, socket, read);
    read();  // the knock may have arrived with the connection
  }
}
