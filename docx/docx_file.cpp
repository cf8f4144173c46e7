#include "docx/docx_file.h"

#include <fcntl.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "common/io_error.h"
#include "docx/sheet_document.h"

namespace mathsheets::docx {

namespace {

using layout::SheetKind;

// Every entry's time: a fixed one, 2 January 1980, so that a document made twice is the same.
constexpr std::time_t kEntryTime = 315619200;
// zlib's own default: most of the size of the best for a third of the time.
constexpr zip_uint32_t kCompression = 6;

std::filesystem::path TemporaryOf(const std::filesystem::path& target) {
  return std::filesystem::path(target).concat(".part");
}

struct Stopped {};

sheet::SheetFileError WriteError(int err, const std::filesystem::path& target) {
  return sheet::SheetFileError(IoError(IoErrorCodeFromErrno(err, FileAction::Create)), target);
}

// A file without a name in `folder` (in the system's temporary folder where `folder` cannot hold
// one): it goes when it is closed, however the program ends.
std::FILE* NamelessFile(const std::filesystem::path& folder) {
  const int fd =
      ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) {
    if (std::FILE* file = ::fdopen(fd, "w+b")) return file;
    ::close(fd);
  }
  return std::tmpfile();
}

// The document part of one sheet, made a piece at a time into a nameless file: the archive wants
// an entry's size before its data (without it libzip writes the entry as ZIP64, which not every
// office program reads), and a second making of the part would read the files twice more.
class PartFile {
 public:
  PartFile(SheetDocument& document, const std::filesystem::path& target,
           const std::function<bool()>& goOn)
      : file_(NamelessFile(target.parent_path())) {
    if (file_ == nullptr) throw WriteError(errno, target);
    std::string piece;
    while (document.NextPiece(piece)) {
      if (std::fwrite(piece.data(), 1, piece.size(), file_) != piece.size())
        throw WriteError(errno != 0 ? errno : EIO, target);
      size_ += piece.size();
      piece.clear();
      if (!goOn()) throw Stopped{};
    }
    if (std::fflush(file_) != 0) throw WriteError(errno != 0 ? errno : EIO, target);
  }
  ~PartFile() {
    if (file_ != nullptr) std::fclose(file_);
  }
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;

  // The file as a source of the archive, which owns it from then on.
  zip_source_t* Source(zip_t* archive) {
    std::rewind(file_);
    zip_source_t* source = zip_source_filep(archive, file_, 0, static_cast<zip_int64_t>(size_));
    if (source != nullptr) file_ = nullptr;
    return source;
  }

 private:
  std::FILE* file_;
  zip_uint64_t size_ = 0;
};

// libzip asks while it writes the archive: non-zero stops it.
int Cancel(zip_t*, void* state) {
  return (*static_cast<const std::function<bool()>*>(state))() ? 0 : 1;
}

// One sheet's document, packed under its temporary name.
void Pack(SheetKind kind, const std::filesystem::path& target, const std::filesystem::path& student,
          const std::optional<std::filesystem::path>& teacher, const sheet::PrintLayout& layout,
          const std::function<bool()>& nextPiece, const std::function<bool()>& goOn) {
  SheetDocument document(student, teacher, kind, layout);
  PartFile part(document, target, nextPiece);
  int code = 0;
  zip_t* archive = zip_open(TemporaryOf(target).c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (archive == nullptr) throw WriteError(errno != 0 ? errno : EIO, target);
  const auto fail = [&](int err) {
    zip_discard(archive);
    return WriteError(err, target);
  };
  for (const Part& each : document.Parts()) {
    zip_source_t* data = each.name == kDocumentPartName
                             ? part.Source(archive)
                             : zip_source_buffer(archive, each.bytes.data(), each.bytes.size(), 0);
    if (data == nullptr) throw fail(ENOMEM);
    const zip_int64_t index = zip_file_add(archive, each.name.c_str(), data, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(data);
      throw fail(ENOMEM);
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    zip_file_set_mtime(archive, entry, kEntryTime, 0);
    zip_set_file_compression(archive, entry, ZIP_CM_DEFLATE, kCompression);
  }
  zip_register_cancel_callback_with_state(archive, &Cancel, nullptr,
                                          const_cast<std::function<bool()>*>(&goOn));
  if (zip_close(archive) == 0) return;
  const zip_error_t* error = zip_get_error(archive);
  const int zipCode = zip_error_code_zip(error);
  const int err = zip_error_system_type(error) == ZIP_ET_SYS ? zip_error_code_system(error) : EIO;
  zip_discard(archive);
  if (zipCode == ZIP_ER_CANCELLED) throw Stopped{};
  throw WriteError(err != 0 ? err : EIO, target);
}

}  // namespace

std::filesystem::path DocxPathFor(const std::filesystem::path& textFile) {
  return std::filesystem::path(textFile).replace_extension(".docx");
}

DocxPair WriteWorksheetDocxs(const std::filesystem::path& studentFile,
                             const std::optional<std::filesystem::path>& teacherFile,
                             const sheet::PrintLayout& layout, const std::filesystem::path& outDir,
                             const DocxProgress& progress) {
  const auto target = [&outDir](const std::filesystem::path& file) {
    const std::filesystem::path docx = DocxPathFor(file);
    return outDir.empty() ? docx : outDir / docx.filename();
  };
  DocxPair pair{target(studentFile), teacherFile ? target(*teacherFile) : std::filesystem::path(),
                false};
  std::vector<std::pair<SheetKind, std::filesystem::path>> documents{
      {SheetKind::Student, pair.studentDocx}};
  if (teacherFile) documents.emplace_back(SheetKind::Teacher, pair.teacherDocx);
  int done = 0;
  const std::function<bool()> goOn = [&] { return !progress || progress(done); };
  const std::function<bool()> nextPiece = [&] {
    ++done;
    return goOn();
  };
  const auto discard = [&] {
    std::error_code ignored;
    for (const auto& document : documents)
      std::filesystem::remove(TemporaryOf(document.second), ignored);
  };
  try {
    for (const auto& [kind, docx] : documents)
      Pack(kind, docx, studentFile, teacherFile, layout, nextPiece, goOn);
    for (std::size_t i = 0; i < documents.size(); ++i) {
      std::error_code error;
      std::filesystem::rename(TemporaryOf(documents[i].second), documents[i].second, error);
      if (!error) continue;
      // Both documents or neither: the one renamed already goes too.
      std::error_code ignored;
      for (std::size_t k = 0; k < i; ++k) std::filesystem::remove(documents[k].second, ignored);
      throw WriteError(error.value(), documents[i].second);
    }
  } catch (const Stopped&) {
    discard();
    pair.stopped = true;
  } catch (...) {
    discard();
    throw;
  }
  return pair;
}

DocxPair WriteWorksheetDocxPair(const std::filesystem::path& studentFile,
                                const std::filesystem::path& teacherFile,
                                const sheet::PrintLayout& layout, const DocxProgress& progress) {
  return WriteWorksheetDocxs(studentFile, teacherFile, layout, {}, progress);
}

}  // namespace mathsheets::docx
