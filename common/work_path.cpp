#include "common/work_path.h"

#include <string>

namespace mathsheets {

std::filesystem::path WorkPath(const std::filesystem::path& workdir, std::string_view relative) {
  std::filesystem::path path = workdir;
  std::size_t start = 0;
  for (std::size_t cut = relative.find('\\'); cut != std::string_view::npos;
       cut = relative.find('\\', start)) {
    path /= std::string(relative.substr(start, cut - start));
    start = cut + 1;
  }
  return path / std::string(relative.substr(start));
}

}  // namespace mathsheets
