#include "platform/qt/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace ntx {
namespace {

constexpr char kShowRequest[] = "show\n";

QString runtimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder;
}

}  // namespace

SingleInstance::SingleInstance(const QString& name, const QString& folder) {
    const QString dir = folder.isEmpty() ? runtimeFolder() : folder;
    lockPath_ = dir + QLatin1Char('/') + name + QStringLiteral(".lock");
    socketPath_ = dir + QLatin1Char('/') + name + QStringLiteral(".socket");
}

SingleInstance::~SingleInstance() {
    release();
}

bool SingleInstance::create() {
    if (!QDir().mkpath(QFileInfo(lockPath_).absolutePath())) return false;
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // A lock left by a copy that ended abnormally is taken over at once.
    lock_->setStaleLockTime(0);
    return true;
}

SingleInstance::Result SingleInstance::acquire(std::chrono::milliseconds wait) {
    if (!lock_ && !create()) return Result::Failed;
    if (!lock_->tryLock(static_cast<int>(wait.count()))) {
        return lock_->error() == QLockFile::LockFailedError ? Result::OtherCopyRuns
                                                            : Result::Failed;
    }
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketPath_);  // left over from a copy that crashed
    if (server_->listen(socketPath_)) {
        connect(server_.get(), &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = server_->nextPendingConnection()) {
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                    if (socket->readAll().startsWith("show")) emit showRequested();
                    socket->disconnectFromServer();
                });
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    return Result::Obtained;
}

bool SingleInstance::askRunningCopyToShow() {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(1000)) return false;
    socket.write(kShowRequest);
    const bool sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return sent;
}

void SingleInstance::release() {
    if (server_) {
        server_->close();
        server_.reset();
    }
    if (lock_ && lock_->isLocked()) lock_->unlock();
}

}  // namespace ntx
