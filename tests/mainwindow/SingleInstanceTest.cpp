#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <cstring>

#include "SingleInstance.h"

namespace {

QCoreApplication& App() {
  static int argc = 1;
  static char name[] = "MainWindowTest";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
  return *QCoreApplication::instance();
}

std::string UniqueKey(const char* what) {
  return std::string("tintonia-test-") + what + "-" + std::to_string(::getpid());
}

// Runs a later start as its own process while this one keeps serving.
int RunSecondStart(const std::string& key) {
  QProcess probe;
  probe.start(QString(TINTONIA_BIN_DIR) + "/tna-instance-probe", {QString::fromStdString(key)});
  QDeadlineTimer deadline(10000);
  while (probe.state() != QProcess::NotRunning && !deadline.hasExpired()) {
    App().processEvents(QEventLoop::AllEvents, 20);
    probe.waitForFinished(20);
  }
  return probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
}

TEST(SingleInstance, ASecondStartActivatesTheFirstAndEnds) {
  App();
  const std::string key = UniqueKey("second");
  SingleInstance first(key);
  ASSERT_EQ(first.Claim(), SingleInstance::Role::First);
  int activations = 0;
  first.OnActivate([&] { ++activations; });

  EXPECT_EQ(RunSecondStart(key), 0);  // 0: it found us and ended
  for (int i = 0; i < 50 && activations == 0; ++i) App().processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(activations, 1);

  EXPECT_EQ(RunSecondStart(key), 0);
  for (int i = 0; i < 50 && activations == 1; ++i) App().processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(activations, 2);
}

TEST(SingleInstance, AfterTheFirstEndsTheNextStartIsFirstAgain) {
  App();
  const std::string key = UniqueKey("again");
  {
    SingleInstance first(key);
    ASSERT_EQ(first.Claim(), SingleInstance::Role::First);
  }
  EXPECT_EQ(RunSecondStart(key), 1);  // 1: it became the running instance
}

TEST(SingleInstance, ASocketLeftByACrashedProgramIsTakenOver) {
  App();
  const std::string key = UniqueKey("stale");
  const QByteArray path = QDir(QDir::tempPath()).filePath(QString::fromStdString(key)).toLocal8Bit();
  // A bound socket file with nobody listening: what a killed program leaves.
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::strncpy(addr.sun_path, path.constData(), sizeof addr.sun_path - 1);
  ::unlink(path.constData());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ::close(fd);
  ASSERT_TRUE(QFile::exists(QString::fromLocal8Bit(path)));

  SingleInstance first(key);
  EXPECT_EQ(first.Claim(), SingleInstance::Role::First);
  EXPECT_EQ(RunSecondStart(key), 0);
}

}  // namespace
