// One program per user, as installed: a second start hands over to the
// running program and ends, also when that one is disguised and locked; a
// killed program does not block the next start; an installed program keeps
// its data in the user's own folder.
#include "e2e/E2E.h"

#include "desktop/SingleInstance.h"
#include "privacy/BossAlarm.h"
#include "privacy/frmRestore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Starts the executable and waits for it to end; its exit code, -1 when it
// did not end within the time a hand-over may take.
int startAndWait(e2e::Run& run, const QString& program, const QString& home, const QString& rt,
                 QByteArray* out = nullptr) {
  QProcess p;
  run.spawn(p, program, home, rt);
  if (!e2e::waitFor([&] { return p.state() == QProcess::NotRunning; }, 20000)) {
    p.kill();
    p.waitForFinished();
    return -1;
  }
  if (out)
    *out = p.readAllStandardOutput() + p.readAllStandardError();
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

class Instance : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(run.serve());
    ASSERT_NE(run.start(), nullptr);
    // The program of this process is the running one, wired as main() wires it.
    ASSERT_FALSE(instance.handedOver());
    QObject::connect(&instance, &SingleInstance::activationRequested, [this] {
      ++activations;
      run.win->bringToFront();
    });
  }

  QTemporaryDir home, rt;
  e2e::Run run;
  SingleInstance instance{rt.path()};
  int activations = 0;
};

} // namespace

TEST_F(Instance, ASecondStartBringsTheRunningWindowForwardAndEnds) {
  run.win->showMinimized();
  QByteArray said;
  EXPECT_EQ(startAndWait(run, SLV_PROGRAM, home.path(), rt.path(), &said), 0);
  EXPECT_EQ(activations, 1);
  EXPECT_TRUE(e2e::waitFor([&] { return !run.win->isMinimized() && run.win->isActiveWindow(); }));
  EXPECT_TRUE(said.isEmpty()) << said.toStdString();
  e2e::screenshot(run.win.get(), QStringLiteral("instance_second_start"));
}

TEST_F(Instance, ASecondStartOfALockedWindowAsksForThePassword) {
  run.state.ProtectPassword = QStringLiteral("Gatto#99");
  run.win->alarm->raiseAlarm();
  // The user gives up at the password, as someone else at the desk would.
  bool asked = false;
  QTimer user;
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (auto* d = qobject_cast<frmRestore*>(QApplication::activeModalWidget())) {
      asked = true;
      e2e::screenshot(d, QStringLiteral("instance_locked_second_start"));
      d->cmdCancel->click();
    }
  });
  user.start(200);
  EXPECT_EQ(startAndWait(run, SLV_PROGRAM, home.path(), rt.path()), 0);
  EXPECT_TRUE(e2e::waitFor([&] { return asked; }));
  EXPECT_TRUE(run.state.AlarmActive);
  EXPECT_EQ(run.win->windowTitle(), QStringLiteral("Microsoft Excel"));
}

TEST_F(Instance, AStartThatGetsNoAnswerSaysSoAndNeverRunsBesideTheRunningOne) {
  // The running program holds its lock but no longer answers, as while it closes.
  const auto lock = instance.takeLock();
  QProcess p;
  run.spawn(p, SLV_PROGRAM, home.path(), rt.path());
  QByteArray said;
  EXPECT_TRUE(e2e::waitFor(
      [&] { return (said += p.readAllStandardError()).contains("aperto ma non risponde"); }, 25000))
      << said.toStdString();
  QFile held(rt.path() + "/solvarino3w.lock");
  ASSERT_TRUE(held.open(QIODevice::ReadOnly));
  EXPECT_EQ(held.readLine().trimmed().toLongLong(), QCoreApplication::applicationPid());
  p.kill(); // its message box waits for a user
  p.waitForFinished();
}

TEST(InstalledProgram, SeedsTheUsersFolderHandsOverAndAKilledOneDoesNotBlock) {
  e2e::Run run;
  ASSERT_TRUE(run.serve());
  QTemporaryDir prefix, home, rt;
  QProcess install;
  install.start(QStringLiteral("cmake"), {"--install", SLV_BUILD_DIR, "--prefix", prefix.path()});
  ASSERT_TRUE(install.waitForFinished(60000) && install.exitCode() == 0)
      << install.readAllStandardError().toStdString();
  // Installed read-only, as in a system folder.
  QProcess::execute(QStringLiteral("chmod"), {"-R", "a-w", prefix.path()});
  const QString program = prefix.path() + "/bin/solvarino";
  const QString socket = rt.path() + "/solvarino3w.socket";
  const QString index = home.path() + "/.local/share/Norvalis/SOLVARINO3w/Allforums.svl";

  QProcess first;
  run.spawn(first, program, home.path(), rt.path());
  ASSERT_TRUE(e2e::waitFor([&] { return QFile::exists(socket) && QFile::exists(index); }));
  QFile shipped(QStringLiteral(SLV_SOURCE_DIR "/data/Allforums.svl")), seeded(index);
  ASSERT_TRUE(shipped.open(QIODevice::ReadOnly) && seeded.open(QIODevice::ReadOnly));
  EXPECT_EQ(seeded.readAll(), shipped.readAll());
  EXPECT_EQ(startAndWait(run, program, home.path(), rt.path()), 0);
  EXPECT_EQ(first.state(), QProcess::Running);

  // Killed outright: its lock and socket stay behind; the next start runs.
  first.kill();
  first.waitForFinished();
  QProcess next;
  run.spawn(next, program, home.path(), rt.path());
  // Running once it holds the lock: the lock file names its process.
  const auto holder = [&] {
    QFile lock(rt.path() + "/solvarino3w.lock");
    return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : 0;
  };
  ASSERT_TRUE(e2e::waitFor([&] { return holder() == next.processId(); }));
  // It is the running program now: a further start hands over to it.
  EXPECT_EQ(startAndWait(run, program, home.path(), rt.path()), 0);
  EXPECT_EQ(next.state(), QProcess::Running);
  next.kill();
  next.waitForFinished();
  QProcess::execute(QStringLiteral("chmod"), {"-R", "u+w", prefix.path()});
}
