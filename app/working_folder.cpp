#include "app/working_folder.h"

#include <initializer_list>
#include <random>
#include <system_error>

namespace mathsheets::app {

namespace fs = std::filesystem;

namespace {

// Texts are built by appending: optimised GCC 12 builds warn falsely about "a" + s + "b" chains.
std::string Appended(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (const std::string_view piece : pieces) text += piece;
  return text;
}

WorkingFolderError Failure(const fs::path& folder, std::string_view reason) {
  return WorkingFolderError(
      Appended({"Не удалось подготовить рабочую папку «", folder.string(), "»: ", reason}));
}

// A hidden sibling of `folder` that no other start of the program picks at the same moment.
fs::path StagingFolderFor(const fs::path& folder) {
  std::random_device entropy;
  return folder.parent_path() /
         Appended({".", folder.filename().string(), ".new-", std::to_string(entropy())});
}

}  // namespace

fs::path ShareFolderOf(const fs::path& programFolder) {
  return programFolder.parent_path() / "share" / "mathsheets";
}

fs::path PrepareHomeWorkingFolder(const fs::path& home, const fs::path& share) {
  if (home.empty()) throw WorkingFolderError("Не задана домашняя папка (переменная HOME)");
  const fs::path folder = home / kHomeFolderName;
  std::error_code error;
  const fs::file_status status = fs::status(folder, error);
  if (fs::is_directory(status)) return folder;
  if (fs::exists(status)) throw Failure(folder, "на этом месте уже есть файл, а не папка");
  if (!fs::is_directory(share)) {
    throw Failure(folder, Appended({"не найдены файлы примеров и рисунки «", share.string(), "»"}));
  }

  const fs::path staging = StagingFolderFor(folder);
  try {
    fs::copy(share, staging, fs::copy_options::recursive);
    fs::create_directory(staging / "gen");
  } catch (const fs::filesystem_error& e) {
    fs::remove_all(staging, error);
    throw Failure(folder, e.code().message());
  }
  std::error_code renameError;
  fs::rename(staging, folder, renameError);
  if (!renameError) return folder;
  fs::remove_all(staging, error);
  // Another start of the program may have put its copy in place first: use that one.
  if (fs::is_directory(folder)) return folder;
  throw Failure(folder, renameError.message());
}

}  // namespace mathsheets::app
