#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mathsheets::app {

// The folder in the user's home where the installed program works when started from the menu:
// visible in every file manager, so the teacher finds the worksheets in gen/ without searching.
inline constexpr std::string_view kHomeFolderName = "Рабочие листы";

// The working folder could not be made ready; the text names the folder and the reason.
class WorkingFolderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where an installed program finds the example files and pictures: <prefix>/share/mathsheets
// beside <prefix>/bin, so the same build works from /usr and from a staging folder.
std::filesystem::path ShareFolderOf(const std::filesystem::path& programFolder);

// Makes <home>/kHomeFolderName ready for the windows and returns it: gen/ for the worksheets and
// a copy of everything in `share` (gen5/ and the pictures). A folder that already exists is left
// alone, whatever it holds: it is the teacher's. The first copy is made under a hidden name and
// renamed into place, so an interrupted first start leaves no half-filled working folder behind.
// Throws WorkingFolderError.
std::filesystem::path PrepareHomeWorkingFolder(const std::filesystem::path& home,
                                               const std::filesystem::path& share);

}  // namespace mathsheets::app
