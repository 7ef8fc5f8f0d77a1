#pragma once
// The single-instance lock "MyApp": a lock file in the user's runtime folder, held for the
// whole life of the main frame, plus a local socket on which a second copy asks the first
// to bring its "Natalix" frame forward (restored when minimised).

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <chrono>
#include <memory>

namespace ntx {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Result { Obtained, OtherCopyRuns, Failed };

    // `folder` is where the lock and the socket live; by default the user's runtime folder.
    explicit SingleInstance(const QString& name = QStringLiteral("MyApp"),
                            const QString& folder = {});
    ~SingleInstance() override;

    // Creates the lock; false when it cannot be created at all.
    [[nodiscard]] bool create();
    // Waits at most `wait` for the lock. Obtained: this copy is the only one and now
    // listens for requests of later copies. OtherCopyRuns: another copy holds it.
    [[nodiscard]] Result acquire(std::chrono::milliseconds wait = std::chrono::milliseconds(50));
    // Asks the copy that holds the lock to bring its frame forward; false when no copy
    // answers.
    bool askRunningCopyToShow();
    // Gives the lock back (at exit).
    void release();

  signals:
    // A later copy asked this one to restore or raise its frame.
    void showRequested();

  private:
    QString lockPath_;
    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace ntx
