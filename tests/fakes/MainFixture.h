#pragma once
// A main window on the fake platform, loaded, with its timers stopped so the
// test drives every tick itself.
#include "fakes/FakePlatform.h"
#include "ui/NRV_SLV3.h"
#include "shell/frmNRV_SLV3.h"

#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The texts of a list's items, in order.
inline QStringList items(const QListWidget* l) {
  QStringList out;
  for (int i = 0; i < l->count(); ++i)
    out << l->item(i)->text();
  return out;
}

class MainFixture : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    platform.folder = dir.path();
  }

  // Writes a data file into the application folder (bytes as given).
  void writeFile(const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QByteArray readFile(const QString& name) {
    QFile f(dir.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  frmNRV_SLV3& load() {
    win = std::make_unique<frmNRV_SLV3>(platform, app);
    win->Form_Load();
    win->stopTimers();
    win->show();
    return *win;
  }

  FakeBrowserPane& pane(int i) { return *platform.panes.at(i); }  // 0 main, 1 mess, 2 mail
  FakeMediaPlayer& player() { return *platform.players.at(0); }

  QTemporaryDir dir;
  FakePlatform platform;
  NRV_SLV3 app;
  std::unique_ptr<frmNRV_SLV3> win;
};
