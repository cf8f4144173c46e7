// The Word documents of the page: the parts of the pupil's or the teacher's document of a run,
// made by the renderer the command line uses, from the same files read by the same reader, so that
// the page's document holds the command line's parts byte for byte. The page packs them.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/io_error.h"
#include "docx/sheet_document.h"
#include "page_values.h"

namespace mathsheets::web {

namespace {

using emscripten::val;

// A run's two files in the memory file system while the document is made from them, a variant at a
// time, as from the files on a disk.
class PairFiles {
 public:
  PairFiles(const val& student, const val& teacher) {
    std::filesystem::create_directories(kFolder);
    Write(student_, BytesOf(student));
    Write(teacher_, BytesOf(teacher));
  }
  ~PairFiles() {
    std::error_code ignored;
    std::filesystem::remove(student_, ignored);
    std::filesystem::remove(teacher_, ignored);
  }
  PairFiles(const PairFiles&) = delete;
  PairFiles& operator=(const PairFiles&) = delete;

  const std::filesystem::path& Student() const { return student_; }
  const std::filesystem::path& Teacher() const { return teacher_; }

 private:
  static void Write(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw IoError(IoErrorCode::DiskFull);
  }

  inline static const std::filesystem::path kFolder = "/docx";
  std::filesystem::path student_ = kFolder / "student.txt";
  std::filesystem::path teacher_ = kFolder / "teacher.txt";
};

// [{name, bytes}] of every part in the order of the archive, or {error} when the files cannot be
// read.
val DocxParts(val student, val teacher, bool forTeacher, val layout) {
  try {
    const PairFiles files(student, teacher);
    const std::vector<docx::Part> parts = docx::SheetDocumentParts(
        files.Student(), files.Teacher(),
        forTeacher ? layout::SheetKind::Teacher : layout::SheetKind::Student, LayoutOf(layout));
    val result = val::array();
    for (const docx::Part& part : parts) {
      val entry = val::object();
      entry.set("name", part.name);
      // A copy the page keeps: the view into the core's memory goes with `parts`.
      entry.set("bytes", val(emscripten::typed_memory_view(
                                 part.bytes.size(),
                                 reinterpret_cast<const unsigned char*>(part.bytes.data())))
                             .call<val>("slice"));
      result.call<void>("push", entry);
    }
    return result;
  } catch (const std::exception& e) {
    return Failure(e);
  }
}

}  // namespace

EMSCRIPTEN_BINDINGS(docx) {
  emscripten::function("DocxParts", &DocxParts);
}

}  // namespace mathsheets::web
