#include "shell/Startup.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <fstream>

#include "platform/ScriptedServices.h"
#include "shell/Main.h"
#include "support/TempFolder.h"

namespace ntx {
namespace {

class KeptDrag : public DragSetting {
  public:
    explicit KeptDrag(bool on) : on_(on) {}
    [[nodiscard]] bool showContentsWhileDragging() const override { return on_; }
    void setShowContentsWhileDragging(bool on) override {
        on_ = on;
        ++changes;
    }
    int changes = 0;

  private:
    bool on_;
};

struct ProgramRun {
    test::TempFolder folder;
    QTemporaryDir lockFolder;
    ScriptedUi ui;
    SingleInstance instance{QStringLiteral("MyApp"), lockFolder.path()};
};

// Opens the frame, notes what the callback sees, and closes the frame at once.
int runAndClose(ProgramRun& r, KeptDrag& drag, bool* dragDuringRun = nullptr) {
    Startup::Parts parts{r.ui.services(), drag, r.instance, r.folder.path()};
    return Startup::run(parts, [&](Main& frame) {
        if (dragDuringRun) *dragDuringRun = drag.showContentsWhileDragging();
        QTimer::singleShot(0, &frame, &QWidget::close);
    });
}

TEST(Startup, TheDragSettingIsOffWhileTheProgramRunsAndRestoredAtExit) {
    for (bool onAtStart : {true, false}) {
        SCOPED_TRACE(onAtStart);
        ProgramRun r;
        KeptDrag drag(onAtStart);
        bool during = true;
        EXPECT_EQ(runAndClose(r, drag, &during), 0);
        EXPECT_FALSE(during);
        EXPECT_EQ(drag.showContentsWhileDragging(), onAtStart);
        EXPECT_EQ(drag.changes, onAtStart ? 2 : 0);  // an "off" setting is never touched
        // The record files were opened by the counts and the frame's place was saved.
        EXPECT_TRUE(std::filesystem::exists(r.folder / "BDAY.tps"));
        std::ifstream ini(r.folder / "NTX.ini");
        const std::string text((std::istreambuf_iterator<char>(ini)), {});
        EXPECT_NE(text.find("[Main]"), std::string::npos);
    }
}

TEST(Startup, ASecondCopyAsksTheFirstToShowItselfAndOpensNothing) {
    ProgramRun r;
    SingleInstance running(QStringLiteral("MyApp"), r.lockFolder.path());
    ASSERT_EQ(running.acquire(), SingleInstance::Result::Obtained);
    QSignalSpy shown(&running, &SingleInstance::showRequested);
    KeptDrag drag(true);
    bool frameOpened = false;
    Startup::Parts parts{r.ui.services(), drag, r.instance, r.folder.path()};
    EXPECT_EQ(Startup::run(parts, [&](Main&) { frameOpened = true; }), 0);
    EXPECT_FALSE(frameOpened);
    EXPECT_EQ(drag.changes, 0);
    EXPECT_TRUE(shown.wait(2000));
    EXPECT_TRUE(r.ui.messages.shown.empty());
}

TEST(Startup, ALockThatCannotBeCreatedEndsWithTheMessage) {
    ProgramRun r;
    SingleInstance broken(QStringLiteral("MyApp"), QStringLiteral("/proc/no-such-folder"));
    KeptDrag drag(true);
    Startup::Parts parts{r.ui.services(), drag, broken, r.folder.path()};
    EXPECT_NE(Startup::run(parts), 0);
    ASSERT_EQ(r.ui.messages.shown.size(), 1u);
    EXPECT_EQ(r.ui.messages.shown[0].caption, "");
    EXPECT_EQ(r.ui.messages.shown[0].text, "Error: Mutex cannot be created");
    EXPECT_EQ(drag.changes, 0);
}

// Two real copies of the program: the second hands over to the first and ends.
TEST(Startup, ASecondProcessHandsOverToTheFirstAndEnds) {
    test::TempFolder folder;
    std::filesystem::permissions(folder.path(),
                                 std::filesystem::perms::owner_all);  // a runtime folder is private
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(folder.path().string()));
    QProcess first;
    first.setProcessEnvironment(env);
    first.setWorkingDirectory(QString::fromStdString(folder.path().string()));
    first.start(QStringLiteral(NATALIX_BINARY), {});
    ASSERT_TRUE(first.waitForStarted(5000));
    // The first copy holds the lock once its socket is listening.
    for (int i = 0; i < 100 && !std::filesystem::exists(folder / "MyApp.socket"); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(std::filesystem::exists(folder / "MyApp.socket"));

    QProcess second;
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(QString::fromStdString(folder.path().string()));
    second.start(QStringLiteral(NATALIX_BINARY), {});
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    first.waitForFinished(5000);
}

}  // namespace
}  // namespace ntx
