#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <sys/stat.h>

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
      {{"export", missing, (dir_ / "out.png").string()}, missing},
      {{"export", good, unwritable}, unwritable},
  };
  for (const auto& c : cases) {
    EXPECT_NE(Run(c.Args), 0) << c.Args[0];
    EXPECT_NE(err_.str().find(c.Named), std::string::npos) << err_.str();
  }
  EXPECT_FALSE(fs::exists(dir_ / "out.txt"));
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_FALSE(fs::exists(dir_ / "no-such-folder"));
}

TEST_F(CliTest, DamagedAndNonRegularInputsEndWithAMessageAndWriteNothing) {
  const auto fifo = dir_ / "pipe.txt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto damaged = Data / "six_huge_objects.txt";
  struct Case {
    std::string In, Says;
  };
  const std::vector<Case> cases = {
      {fifo.string(), "it is not a regular file"},
      {dir_.string(), "it is a folder"},
      {damaged.string(), "the file is damaged"},
  };
  for (const auto& c : cases) {
    for (const std::string command : {"resave", "info"}) {
      std::vector<std::string> args = {command, c.In};
      if (command == "resave") args.push_back((dir_ / "out.txt").string());
      EXPECT_EQ(Run(args), 1) << c.In;
      EXPECT_NE(err_.str().find(c.In), std::string::npos) << err_.str();
      EXPECT_NE(err_.str().find(c.Says), std::string::npos) << err_.str();
    }
  }
  EXPECT_FALSE(fs::exists(dir_ / "out.txt"));
}

struct PngHeader {
  uint32_t Width = 0, Height = 0;
  int ColorType = -1, Interlace = -1;
};

PngHeader ReadPngHeader(const fs::path& path) {
  const std::string bytes = ReadFile(path);
  PngHeader header;
  if (bytes.size() < 29 || bytes.compare(1, 3, "PNG") != 0) return header;
  auto be32 = [&](size_t at) {
    return (uint32_t(uint8_t(bytes[at])) << 24) | (uint32_t(uint8_t(bytes[at + 1])) << 16) |
           (uint32_t(uint8_t(bytes[at + 2])) << 8) | uint32_t(uint8_t(bytes[at + 3]));
  };
  header.Width = be32(16);
  header.Height = be32(20);
  header.ColorType = uint8_t(bytes[25]);
  header.Interlace = uint8_t(bytes[28]);
  return header;
}

TEST_F(CliTest, ExportCropsToTheDrawnPixelsOrTheCamera) {
  struct Case {
    std::vector<std::string> Crop;
    uint32_t Width, Height;
  };
  // The hidden object's large box must not widen the drawn crop.
  const std::vector<Case> cases = {{{}, 40, 20}, {{"--crop", "drawn"}, 40, 20}, {{"--crop", "camera"}, 1024, 768}};
  for (const auto& c : cases) {
    std::vector<std::string> args = {"export", (Data / "box.txt").string(), (dir_ / "out").string()};
    args.insert(args.end(), c.Crop.begin(), c.Crop.end());
    ASSERT_EQ(Run(args), 0) << err_.str();
    const PngHeader header = ReadPngHeader(dir_ / "out.png");
    EXPECT_EQ(header.Width, c.Width);
    EXPECT_EQ(header.Height, c.Height);
    EXPECT_EQ(header.ColorType, 6);
    EXPECT_EQ(header.Interlace, 0);
  }
}

TEST_F(CliTest, ExportTakesTheCameraOfPreferencesInTheCurrentFolder) {
  const auto previous = fs::current_path();
  fs::current_path(dir_);
  { std::ofstream(dir_ / "Preferences.ini") << R"({"CameraX": 90, "CameraY": 40, "CameraW": 60, "CameraH": 30})"; }
  const int code = Run({"export", (Data / "box.txt").string(), "scene.png", "--crop", "camera"});
  fs::current_path(previous);
  ASSERT_EQ(code, 0) << err_.str();
  const PngHeader header = ReadPngHeader(dir_ / "scene.png");
  EXPECT_EQ(header.Width, 60u);
  EXPECT_EQ(header.Height, 30u);
}

TEST_F(CliTest, ExportOfAnImageTooLargeFailsAndSaysWhy) {
  const auto previous = fs::current_path();
  fs::current_path(dir_);
  { std::ofstream(dir_ / "Preferences.ini") << R"({"CameraW": 32767, "CameraH": 32767})"; }
  const int code = Run({"export", (Data / "box.txt").string(), "scene.png", "--crop", "camera"});
  fs::current_path(previous);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(err_.str(),
            "drawlet-cli: Error: Unable to export an image of 32767 x 32767 pixels: the largest export is 16384 pixels "
            "on a side and 67108864 pixels in all.\n");
  EXPECT_FALSE(fs::exists(dir_ / "scene.png"));
}

TEST_F(CliTest, ExportOfNothingDrawnSavesNothingAndSaysSo) {
  EXPECT_EQ(Run({"export", (Data / "empty.txt").string(), (dir_ / "out.png").string()}), 1);
  EXPECT_NE(err_.str().find("Nothing to export"), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists(dir_ / "out.png"));
  EXPECT_FALSE(fs::exists(dir_ / "Preferences.ini"));
}

// The page size a written SVG or PDF declares, as "W x H"; "none" for anything else.
std::string PageSize(const std::string& bytes) {
  std::smatch match;
  if (bytes.rfind("<?xml", 0) == 0 &&
      std::regex_search(bytes, match, std::regex(R"re(<svg[^>]* width="(\d+)px" height="(\d+)px")re"))) {
    return "svg " + match[1].str() + " x " + match[2].str();
  }
  if (bytes.rfind("%PDF-", 0) == 0 && std::regex_search(bytes, match, std::regex(R"(/MediaBox \[ ?0 0 (\d+) (\d+) ?\])"))) {
    return "pdf " + match[1].str() + " x " + match[2].str();
  }
  return "none";
}

TEST_F(CliTest, ExportWritesSvgOrPdfWhenTheOutputEndsSoInAnyCase) {
  struct Case {
    std::string Out;
    std::vector<std::string> Crop;
    std::string Written, Page;
  };
  const std::vector<Case> cases = {
      {"out.svg", {}, "out.svg", "svg 40 x 20"},
      {"OUT.SVG", {"--crop", "drawn"}, "OUT.SVG", "svg 40 x 20"},
      {"out.Pdf", {}, "out.Pdf", "pdf 40 x 20"},
      {"out.svg", {"--crop", "camera"}, "out.svg", "svg 1024 x 768"},
      {"out.pdf", {"--crop", "camera"}, "out.pdf", "pdf 1024 x 768"},
      {"out.svgz", {}, "out.svgz.png", "none"},
  };
  for (const auto& c : cases) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    std::vector<std::string> args = {"export", (Data / "box.txt").string(), (dir_ / c.Out).string()};
    args.insert(args.end(), c.Crop.begin(), c.Crop.end());
    ASSERT_EQ(Run(args), 0) << c.Out << ": " << err_.str();
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(dir_)) files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string>{c.Written}) << c.Out;
    EXPECT_EQ(PageSize(ReadFile(dir_ / c.Written)), c.Page) << c.Out;
  }
}

TEST_F(CliTest, VectorExportsFailAsImageExportsDoAndWriteNothing) {
  const auto previous = fs::current_path();
  fs::current_path(dir_);
  struct Case {
    std::string In, Out;
    std::vector<std::string> Crop;
    std::string Says;
  };
  const std::string box = (Data / "box.txt").string();
  const std::vector<Case> cases = {
      {(Data / "empty.txt").string(), "out.svg", {}, "drawlet-cli: Info: Nothing to export: the drawing is empty.\n"},
      {(Data / "empty.txt").string(), "out.pdf", {}, "drawlet-cli: Info: Nothing to export: the drawing is empty.\n"},
      {box, "no-such-folder/out.svg", {}, "drawlet-cli: Save image: Cannot save image: no-such-folder/out.svg\n"},
      {box, "no-such-folder/out.pdf", {}, "drawlet-cli: Save image: Cannot save image: no-such-folder/out.pdf\n"},
      {box, "big.svg", {"--crop", "camera"},
       "drawlet-cli: Error: Unable to export an image of 32767 x 32767 pixels: the largest export is 16384 pixels "
       "on a side and 67108864 pixels in all.\n"},
      {box, "big.pdf", {"--crop", "camera"},
       "drawlet-cli: Error: Unable to export an image of 32767 x 32767 pixels: the largest export is 16384 pixels "
       "on a side and 67108864 pixels in all.\n"},
  };
  for (const auto& c : cases) {
    const bool big = c.Out.rfind("big", 0) == 0;
    if (big) std::ofstream("Preferences.ini") << R"({"CameraW": 32767, "CameraH": 32767})";
    std::vector<std::string> args = {"export", c.In, c.Out};
    args.insert(args.end(), c.Crop.begin(), c.Crop.end());
    EXPECT_EQ(Run(args), 1) << c.Out;
    EXPECT_EQ(err_.str(), c.Says) << c.Out;
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(dir_)) files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, big ? std::vector<std::string>{"Preferences.ini"} : std::vector<std::string>{}) << c.Out;
    fs::remove(dir_ / "Preferences.ini");
  }
  fs::current_path(previous);
}

TEST_F(CliTest, UsageErrorsExitNonZero) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"resave"}, {"merge", "a", "-o", "b"}, {"bogus"}, {"export", "a"}, {"export", "a", "b", "--crop", "all"}}) {
    EXPECT_EQ(Run(args), 2);
    EXPECT_NE(err_.str().find("usage"), std::string::npos);
  }
}

}  // namespace
