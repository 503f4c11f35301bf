#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

const fs::path Data = fs::path(DRAWLET_TEST_DATA) / "cli";

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("drawlet-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                        "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return drawlet::cli::RunCli(args, out_, err_);
  }

  fs::path dir_;
  std::ostringstream out_, err_;
};

TEST_F(CliTest, ResaveReproducesTheWorkedExampleByteForByte) {
  const auto out = dir_ / "copy.txt";
  ASSERT_EQ(Run({"resave", (Data / "worked_example.txt").string(), out.string()}), 0) << err_.str();
  EXPECT_EQ(ReadFile(out), ReadFile(Data / "worked_example.txt"));
}

TEST_F(CliTest, ResaveAddsTheExtensionAsSaveDoes) {
  ASSERT_EQ(Run({"resave", (Data / "worked_example.txt").string(), (dir_ / "plan").string()}), 0) << err_.str();
  EXPECT_TRUE(fs::exists(dir_ / "plan.txt"));
}

TEST_F(CliTest, MergeAppendsTheObjectsOfEachFurtherFile) {
  const auto out = dir_ / "merged.txt";
  ASSERT_EQ(Run({"merge", (Data / "worked_example.txt").string(), (Data / "second.txt").string(), "-o", out.string()}),
            0)
      << err_.str();
  ASSERT_EQ(Run({"info", out.string()}), 0) << err_.str();
  EXPECT_EQ(out_.str(), "0\tObj_0\t2\n1\tSecond\t1\n2\tThird\t0\ntotal\t3 objects\t3\n");
}

TEST_F(CliTest, InfoListsObjectsAndTotal) {
  ASSERT_EQ(Run({"info", (Data / "worked_example.txt").string()}), 0) << err_.str();
  EXPECT_EQ(out_.str(), "0\tObj_0\t2\ntotal\t1 objects\t2\n");
}

TEST_F(CliTest, FailuresNameTheFileAndWriteNothing) {
  const auto missing = (dir_ / "missing.txt").string();
  const auto good = (Data / "worked_example.txt").string();
  const auto unwritable = (dir_ / "no-such-folder" / "out.txt").string();
  struct Case {
    std::vector<std::string> Args;
    std::string Named;
  };
  const std::vector<Case> cases = {
      {{"resave", missing, (dir_ / "out.txt").string()}, missing},
      {{"resave", dir_.string(), (dir_ / "out.txt").string()}, dir_.string()},
      {{"merge", good, missing, "-o", (dir_ / "out.txt").string()}, missing},
      {{"info", missing}, missing},
      {{"resave", good, unwritable}, unwritable},
  };
  for (const auto& c : cases) {
    EXPECT_NE(Run(c.Args), 0) << c.Args[0];
    EXPECT_NE(err_.str().find(c.Named), std::string::npos) << err_.str();
  }
  EXPECT_FALSE(fs::exists(dir_ / "out.txt"));
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_FALSE(fs::exists(dir_ / "no-such-folder"));
}

TEST_F(CliTest, UsageErrorsExitNonZero) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"resave"}, {"merge", "a", "-o", "b"}, {"bogus"}}) {
    EXPECT_EQ(Run(args), 2);
    EXPECT_NE(err_.str().find("usage"), std::string::npos);
  }
}

}  // namespace
