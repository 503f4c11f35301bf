#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

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

class LocalFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("drawlet-files-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
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

}  // namespace
