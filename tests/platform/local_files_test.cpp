#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/file_replace.h"
#include "platform/local_files.h"

namespace fs = std::filesystem;
using drawlet::platform::LocalFiles;
using drawlet::platform::PathKind;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

std::set<std::string> EntriesOf(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

mode_t ModeOf(const fs::path& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return 0;
  return st.st_mode & 07777;
}

std::string Octal(mode_t mode) {
  std::ostringstream text;
  text << std::oct << mode;
  return text.str();
}

class LocalFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("drawlet-files-" + std::to_string(::getpid()) + "-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
  LocalFiles files_;
};

TEST_F(LocalFilesTest, WriteReplacesTheFileWithoutTouchingTheOldOne) {
  const auto target = dir_ / "doc.txt";
  const auto link = dir_ / "old-link";
  { std::ofstream(target, std::ios::binary) << "a much longer previous document"; }
  fs::create_hard_link(target, link);

  ASSERT_TRUE(files_.WriteText(target.string(), "new"));

  EXPECT_EQ(ReadFile(target), "new");
  // The old file was never truncated in place: a crash mid-write would have left it whole.
  EXPECT_EQ(ReadFile(link), "a much longer previous document");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2) << "no temporary file left";
}

TEST_F(LocalFilesTest, FailedWritesReportFalseAndCreateNothing) {
  EXPECT_FALSE(files_.WriteText((dir_ / "missing" / "doc.txt").string(), "x"));
  EXPECT_FALSE(files_.WriteText(dir_.string(), "x"));
  EXPECT_FALSE(files_.WriteText("", "x"));
  EXPECT_FALSE(fs::exists(dir_ / "missing"));
}

TEST_F(LocalFilesTest, ReadingNeverCreatesAFile) {
  const auto missing = (dir_ / "missing.txt").string();
  EXPECT_EQ(files_.ReadText(missing), std::nullopt);
  EXPECT_EQ(files_.ReadText(dir_.string()), std::nullopt);
  EXPECT_EQ(files_.Kind(missing), PathKind::Missing);
  EXPECT_EQ(files_.Kind(dir_.string()), PathKind::Folder);
}

TEST_F(LocalFilesTest, ListMatchesThePatternAndTellsFoldersApart) {
  for (const char* name : {"b.txt", "a.txt", "c.sfx"}) std::ofstream(dir_ / name) << "x";
  fs::create_directories(dir_ / "folder.txt");
  const auto entries = files_.List(dir_.string(), "*.txt");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].Name, "a.txt");
  EXPECT_EQ(entries[1].Name, "b.txt");
  EXPECT_EQ(entries[2].Name, "folder.txt");
  EXPECT_TRUE(entries[2].IsFolder);
  EXPECT_TRUE(files_.List((dir_ / "none").string(), "*").empty());
}

TEST_F(LocalFilesTest, MakeFoldersCreatesParents) {
  const auto deep = dir_ / "data" / "shapes" / "_autosave";
  EXPECT_TRUE(files_.MakeFolders(deep.string()));
  EXPECT_EQ(files_.Kind(deep.string()), PathKind::Folder);
}

TEST_F(LocalFilesTest, PlantedLinksAtTemporaryNamesAreNeverWrittenThrough) {
  const auto target = dir_ / "doc.txt";
  const auto victim = dir_ / "victim.txt";
  WriteFile(target, "old");
  WriteFile(victim, "victim");
  // The name an earlier version wrote its temporary file to.
  fs::create_symlink(victim, dir_ / ("doc.txt.tmp" + std::to_string(::getpid())));

  ASSERT_TRUE(files_.WriteText(target.string(), "new"));
  EXPECT_EQ(ReadFile(target), "new");
  EXPECT_EQ(ReadFile(victim), "victim");

  // Links planted at the very names tried are skipped, never followed, and left in place.
  const auto planted = dir_ / ".doc.txt.drawlet-AAAAAA.tmp";
  const auto dangling = dir_ / ".doc.txt.drawlet-BBBBBB.tmp";
  fs::create_symlink(victim, planted);
  fs::create_symlink(dir_ / "made-through-link", dangling);
  const std::vector<std::string> tags = {"AAAAAA", "BBBBBB", "CCCCCC"};
  size_t tried = 0;
  const auto nextTag = [&] { return tags.at(tried++); };
  ASSERT_TRUE(drawlet::platform::ReplaceFileContent(target.string(), "newer", nextTag));
  EXPECT_EQ(tried, 3u);
  EXPECT_EQ(ReadFile(target), "newer");
  EXPECT_EQ(ReadFile(victim), "victim");
  EXPECT_FALSE(fs::exists(dir_ / "made-through-link"));
  EXPECT_TRUE(fs::is_symlink(planted));
  EXPECT_TRUE(fs::is_symlink(dangling));
}

TEST_F(LocalFilesTest, SavedFileKeepsItsPermissionBits) {
  for (const mode_t mode : {0600, 0640, 0604, 0755, 0444}) {
    const auto target = dir_ / ("doc" + Octal(mode) + ".txt");
    WriteFile(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), mode), 0);
    ASSERT_TRUE(files_.WriteText(target.string(), "new")) << Octal(mode);
    EXPECT_EQ(ReadFile(target), "new") << Octal(mode);
    EXPECT_EQ(Octal(ModeOf(target)), Octal(mode));
  }
  struct NewFile {
    mode_t Umask;
    mode_t Expected;
  };
  for (const NewFile c : {NewFile{022, 0644}, NewFile{077, 0600}, NewFile{002, 0664}}) {
    const auto target = dir_ / ("new" + Octal(c.Umask) + ".txt");
    const mode_t previous = ::umask(c.Umask);
    const bool written = files_.WriteText(target.string(), "new");
    ::umask(previous);
    ASSERT_TRUE(written) << "umask " << Octal(c.Umask);
    EXPECT_EQ(Octal(ModeOf(target)), Octal(c.Expected)) << "umask " << Octal(c.Umask);
  }
}

TEST_F(LocalFilesTest, SavedFileKeepsItsOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  const auto target = dir_ / "doc.txt";
  WriteFile(target, "old");
  constexpr uid_t Nobody = 65534;
  ASSERT_EQ(::chown(target.c_str(), Nobody, Nobody), 0);
  ASSERT_TRUE(files_.WriteText(target.string(), "new"));
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, Nobody);
  EXPECT_EQ(st.st_gid, Nobody);
}

TEST_F(LocalFilesTest, SavingThroughASymbolicLinkUpdatesTheFileItNames) {
  fs::create_directories(dir_ / "real");
  const auto real = dir_ / "real" / "doc.txt";
  struct Case {
    const char* What;
    fs::path Link;
    fs::path LinkText;
  };
  const std::vector<Case> cases = {
      {"relative link", dir_ / "relative.txt", fs::path("real") / "doc.txt"},
      {"absolute link", dir_ / "absolute.txt", real},
      {"link to a link", dir_ / "chained.txt", "relative.txt"},
  };
  for (const Case& c : cases) fs::create_symlink(c.LinkText, c.Link);
  for (const Case& c : cases) {
    WriteFile(real, "old");
    ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
    ASSERT_TRUE(files_.WriteText(c.Link.string(), c.What)) << c.What;
    EXPECT_EQ(ReadFile(real), c.What);
    ASSERT_TRUE(fs::is_symlink(c.Link)) << c.What << ": the link was replaced";
    EXPECT_EQ(fs::read_symlink(c.Link), c.LinkText) << c.What;
    EXPECT_EQ(Octal(ModeOf(real)), "600") << c.What;
  }
  EXPECT_EQ(EntriesOf(dir_ / "real"), std::set<std::string>{"doc.txt"}) << "no temporary file left";

  // A link to a file not made yet makes that file.
  const auto dangling = dir_ / "dangling.txt";
  fs::create_symlink(fs::path("real") / "later.txt", dangling);
  ASSERT_TRUE(files_.WriteText(dangling.string(), "later"));
  EXPECT_TRUE(fs::is_symlink(dangling));
  EXPECT_EQ(ReadFile(dir_ / "real" / "later.txt"), "later");
  EXPECT_EQ(EntriesOf(dir_), (std::set<std::string>{"absolute.txt", "chained.txt", "dangling.txt", "real",
                                                    "relative.txt"}));
}

TEST_F(LocalFilesTest, OnlyPlainFilesAreReplaced) {
  const auto fifo = dir_ / "pipe.txt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const auto toFifo = dir_ / "to-pipe.txt";
  fs::create_symlink(fifo, toFifo);
  const auto loop = dir_ / "loop.txt";
  fs::create_symlink("loop-back.txt", loop);
  fs::create_symlink("loop.txt", dir_ / "loop-back.txt");
  const auto throughFile = dir_ / "pipe.txt" / "doc.txt";

  for (const auto& path : {fifo, toFifo, loop, throughFile}) {
    EXPECT_FALSE(files_.WriteText(path.string(), "x")) << path;
  }
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
  EXPECT_TRUE(fs::is_symlink(toFifo));
  EXPECT_EQ(EntriesOf(dir_), (std::set<std::string>{"pipe.txt", "to-pipe.txt", "loop.txt", "loop-back.txt"}));
}

TEST_F(LocalFilesTest, StaleTemporaryFilesOfTheSameFileAreRemoved) {
  const auto target = dir_ / "doc.txt";
  WriteFile(target, "old");
  const auto victim = dir_ / "victim.txt";
  WriteFile(victim, "victim");
  const std::vector<std::string> stale = {".doc.txt.drawlet-Ab3xY9.tmp", ".doc.txt.drawlet-000000.tmp"};
  for (const auto& name : stale) WriteFile(dir_ / name, std::string(1000, 'x'));
  const std::vector<std::string> kept = {
      ".doc.txt.drawlet-Ab3.tmp",      ".doc.txt.drawlet-Ab3xY9Z.tmp", ".doc.txt.drawlet-Ab_xY9.tmp",
      ".other.txt.drawlet-AAAAAA.tmp", "doc.txt.drawlet-AAAAAA.tmp",   ".doc.txt.drawlet-AAAAAA.tmp.bak",
      ".doc.drawlet-AAAAAA.tmp",
  };
  for (const auto& name : kept) WriteFile(dir_ / name, "keep");
  fs::create_symlink(victim, dir_ / ".doc.txt.drawlet-LINKED.tmp");
  fs::create_directories(dir_ / ".doc.txt.drawlet-FOLDER.tmp");
  std::set<std::string> expected(kept.begin(), kept.end());
  expected.insert({"doc.txt", "victim.txt", ".doc.txt.drawlet-LINKED.tmp", ".doc.txt.drawlet-FOLDER.tmp"});
  if (::geteuid() == 0) {
    const auto foreign = dir_ / ".doc.txt.drawlet-OTHERS.tmp";
    WriteFile(foreign, "someone else's");
    ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    expected.insert(foreign.filename().string());
  }

  ASSERT_TRUE(files_.WriteText(target.string(), "new"));
  EXPECT_EQ(ReadFile(target), "new");
  EXPECT_EQ(ReadFile(victim), "victim");
  EXPECT_EQ(EntriesOf(dir_), expected);
}

TEST_F(LocalFilesTest, LongNamesAreSavedAndTheirStaleTemporaryFilesRemoved) {
  struct Case {
    const char* What;
    std::string Name;
    std::string Stale;
  };
  std::string accented;
  while (accented.size() < 250) accented += "\xc3\xa9";
  // The temporary names keep as much of the name as fits, never half a letter.
  const std::vector<Case> cases = {
      {"255 letters", std::string(255, 'a'), "." + std::string(235, 'a') + ".drawlet-ZZZZZZ.tmp"},
      {"251 bytes, mostly two-byte letters", accented + "x", "." + accented.substr(0, 234) + ".drawlet-ZZZZZZ.tmp"},
  };
  for (const Case& c : cases) {
    const auto target = dir_ / c.Name;
    WriteFile(target, "old");
    WriteFile(dir_ / c.Stale, "stale");
    ASSERT_TRUE(fs::exists(target)) << c.What << ": the file system refuses such names";
    ASSERT_TRUE(fs::exists(dir_ / c.Stale)) << c.What << ": the file system refuses such names";
    ASSERT_TRUE(files_.WriteText(target.string(), "first")) << c.What;
    ASSERT_TRUE(files_.WriteText(target.string(), "second")) << c.What;
    EXPECT_EQ(ReadFile(target), "second") << c.What;
    EXPECT_EQ(EntriesOf(dir_), std::set<std::string>{c.Name}) << c.What;
    fs::remove(target);
  }
}

TEST_F(LocalFilesTest, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  const auto target = dir_ / "doc.txt";
  WriteFile(target, "old document");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);

  // A file size limit fails the write part way, as a full disk does, also for root.
  rlimit previous {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
  rlimit small = previous;
  small.rlim_cur = 4096;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = files_.WriteText(target.string(), std::string(1 << 20, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(ReadFile(target), "old document");
  EXPECT_EQ(Octal(ModeOf(target)), "640");
  EXPECT_EQ(EntriesOf(dir_), std::set<std::string>{"doc.txt"}) << "no temporary file left";
}

TEST_F(LocalFilesTest, ReadOnlyFolderLeavesTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders; the size limit test covers failures";
  const auto target = dir_ / "doc.txt";
  WriteFile(target, "old document");
  ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
  const bool written = files_.WriteText(target.string(), "new");
  ::chmod(dir_.c_str(), 0755);
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadFile(target), "old document");
  EXPECT_EQ(EntriesOf(dir_), std::set<std::string>{"doc.txt"});
}

}  // namespace
