#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qt/qt_system.h"

namespace drawlet::platform {
namespace {

// The first line of a text file, empty when there is none.
QString FirstLine(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readLine()).trimmed();
}

class QtShellTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir(folder.path()).mkpath("help"));
    QFile file(help);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }

  QTemporaryDir folder;
  const QString help = folder.filePath("help/help.rtf");
  // Writes the folder it runs in next to the document it is given.
  const QStringList recordingOpener = {"sh", "-c", "pwd > \"$0.folder\""};
};

TEST_F(QtShellTest, OpensTheDocumentInItsOwnFolder) {
  QtShell shell(recordingOpener);
  EXPECT_TRUE(shell.OpenDocument(help.toStdString()));
  EXPECT_EQ(FirstLine(help + ".folder"), QDir(folder.filePath("help")).canonicalPath());
}

TEST_F(QtShellTest, ReportsEveryWayTheDesktopCannotOpenIt) {
  struct Case {
    const char* Name;
    QStringList Opener;
    QString Path;
  };
  const std::vector<Case> cases = {
      {"no opener installed", {folder.filePath("no-such-opener")}, help},
      {"the opener finds no viewer", {"sh", "-c", "exit 3"}, help},
      {"the opener crashes", {"sh", "-c", "kill -SEGV $$"}, help},
      {"a missing file", recordingOpener, folder.filePath("help/missing.rtf")},
      {"a folder", recordingOpener, folder.filePath("help")},
  };
  for (const Case& c : cases) {
    QtShell shell(c.Opener);
    EXPECT_FALSE(shell.OpenDocument(c.Path.toStdString())) << c.Name;
  }
  EXPECT_FALSE(QFile::exists(folder.filePath("help/missing.rtf.folder")));
}

TEST_F(QtShellTest, AnOpenerThatShowsTheDocumentItselfIsLeftRunning) {
  QtShell shell({"sh", "-c", "sleep 0.5; pwd > \"$0.folder\""}, 50);
  EXPECT_TRUE(shell.OpenDocument(help.toStdString()));
  EXPECT_FALSE(QFile::exists(help + ".folder"));
  // The viewer goes on after the answer.
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(help + ".folder"); }, 10000));
}

}  // namespace
}  // namespace drawlet::platform
