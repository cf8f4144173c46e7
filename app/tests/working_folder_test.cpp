#include "app/working_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "testing/unprivileged.h"
#include "testing/worksheet_reading.h"

namespace mathsheets::app {
namespace {

namespace fs = std::filesystem;
using testing::FileBytes;
using testing::FreshWorkdir;

void Write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// Every entry under `folder`, relative to it, in a fixed order.
std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    entries.push_back(fs::relative(entry.path(), folder).string());
  std::sort(entries.begin(), entries.end());
  return entries;
}

// A home folder and a share folder like the installed one: example files, pictures in the
// folder itself and in pik/.
struct Installed {
  fs::path home;
  fs::path share;
  explicit Installed(const std::string& name) {
    const fs::path root = FreshWorkdir("home_folder_" + name, false);
    home = root / "home";
    share = root / "share";
    fs::create_directory(home);
    Write(share / "gen5" / "nb1s.txt", "1 + 2 =\r\n");
    Write(share / "zn.bmp", "BM picture");
    Write(share / "pik" / "shkol.bmp", "BM school");
  }
};

TEST(PrepareHomeWorkingFolder, FirstStartCopiesTheExamplesAndMakesGen) {
  const Installed installed("first");
  const fs::path folder = PrepareHomeWorkingFolder(installed.home, installed.share);
  EXPECT_EQ(folder, installed.home / "Рабочие листы");
  // Nothing else is left in the home, such as the copy made under another name.
  EXPECT_EQ(std::distance(fs::directory_iterator(installed.home), {}), 1);
  EXPECT_EQ(Entries(folder), (std::vector<std::string>{"gen", "gen5", "gen5/nb1s.txt", "pik",
                                                       "pik/shkol.bmp", "zn.bmp"}));
  EXPECT_TRUE(fs::is_directory(folder / "gen"));
  EXPECT_EQ(FileBytes(folder / "gen5" / "nb1s.txt"), "1 + 2 =\r\n");
  EXPECT_EQ(FileBytes(folder / "pik" / "shkol.bmp"), "BM school");
}

TEST(PrepareHomeWorkingFolder, AnExistingFolderIsLeftAlone) {
  const Installed installed("existing");
  const fs::path folder = installed.home / "Рабочие листы";
  Write(folder / "gen" / "ajobs_10.12.2016_17_09.txt", "teacher's own");
  Write(folder / "zn.bmp", "changed by the teacher");
  EXPECT_EQ(PrepareHomeWorkingFolder(installed.home, installed.share), folder);
  EXPECT_EQ(Entries(folder),
            (std::vector<std::string>{"gen", "gen/ajobs_10.12.2016_17_09.txt", "zn.bmp"}));
  EXPECT_EQ(FileBytes(folder / "zn.bmp"), "changed by the teacher");
}

TEST(PrepareHomeWorkingFolder, FailuresLeaveNoFolderBehind) {
  const Installed noShare("no_share");
  fs::remove_all(noShare.share);
  EXPECT_THROW(PrepareHomeWorkingFolder(noShare.home, noShare.share), WorkingFolderError);
  EXPECT_TRUE(fs::is_empty(noShare.home));

  const Installed fileInTheWay("file_in_the_way");
  Write(fileInTheWay.home / "Рабочие листы", "not a folder");
  EXPECT_THROW(PrepareHomeWorkingFolder(fileInTheWay.home, fileInTheWay.share), WorkingFolderError);

  EXPECT_THROW(PrepareHomeWorkingFolder("", noShare.share), WorkingFolderError);
}

TEST(PrepareHomeWorkingFolder, AFailedCopyLeavesNeitherTheFolderNorItsStagingCopy) {
  const Installed installed("failed_copy");
  fs::permissions(installed.home.parent_path(), fs::perms::all);
  fs::permissions(installed.home, fs::perms::all);
  // A file the user may not read stops the copy halfway through.
  fs::permissions(installed.share / "pik" / "shkol.bmp", fs::perms::none);
  const int code = testing::RunUnprivileged([&] {
    try {
      PrepareHomeWorkingFolder(installed.home, installed.share);
      return 0;
    } catch (const WorkingFolderError& e) {
      return std::string(e.what()).find("Рабочие листы") != std::string::npos ? 7 : 1;
    }
  });
  EXPECT_EQ(code, 7);
  EXPECT_TRUE(fs::is_empty(installed.home));
}

TEST(PrepareHomeWorkingFolder, AHomeTheUserMayNotWriteIsReported) {
  const Installed installed("read_only_home");
  fs::permissions(installed.home.parent_path(), fs::perms::all);
  fs::permissions(installed.home, fs::perms::owner_read | fs::perms::owner_exec |
                                      fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
  const int code = testing::RunUnprivileged([&] {
    try {
      PrepareHomeWorkingFolder(installed.home, installed.share);
      return 0;
    } catch (const WorkingFolderError&) {
      return 7;
    }
  });
  EXPECT_EQ(code, 7);
  EXPECT_TRUE(fs::is_empty(installed.home));
}

}  // namespace
}  // namespace mathsheets::app
