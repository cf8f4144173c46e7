#include "pdf/worksheet_pdf.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <exception>
#include <functional>
#include <memory>
#include <string_view>
#include <thread>

#include "layout/lay_sheet.h"
#include "layout/sheet_layout.h"
#include "pdf/sheet_painter.h"

namespace mathsheets::pdf {

using layout::LaySheet;

namespace {

// Device units per inch: fine enough that positions need no rounding.
constexpr int kResolution = 1200;
constexpr double kUnitsPerPoint = kResolution / 72.0;

// The temporary name a PDF is written under, beside its place.
std::filesystem::path TemporaryOf(const std::filesystem::path& target) {
  return std::filesystem::path(target).concat(".part");
}

// A PDF written page by page under a temporary name beside its place, renamed when whole.
class PdfStream {
 public:
  PdfStream(const std::filesystem::path& target, const sheet::PrintLayout& layout,
            const SheetFonts& fonts)
      : target_(target),
        temporary_(TemporaryOf(target)),
        file_(QString::fromStdString(temporary_.string())),
        fonts_(fonts) {
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
      throw PdfFileError(IoError(IoErrorCodeFromErrno(errno, FileAction::Create)), target_);
    writer_ = std::make_unique<QPdfWriter>(&file_);
    writer_->setResolution(kResolution);
    const PageSize size = SizeOf(layout.paper);
    writer_->setPageLayout(QPageLayout(QPageSize(QSizeF(size.width, size.height), QPageSize::Point,
                                                 QString(), QPageSize::ExactMatch),
                                       QPageLayout::Portrait, QMarginsF()));
    writer_->setTitle(QString::fromStdString(target.stem().string()));
    writer_->setCreator(QStringLiteral("mathsheets"));
    if (!painter_.begin(writer_.get())) {
      Abandon();
      throw PdfFileError(IoError(IoErrorCodeFromErrno(ENOMEM, FileAction::Write)), target_);
    }
  }

  ~PdfStream() {
    if (!done_) Abandon();
  }
  PdfStream(const PdfStream&) = delete;
  PdfStream& operator=(const PdfStream&) = delete;

  void Page(const PageOps& page) {
    if (pages_ > 0) writer_->newPage();
    PaintPage(painter_, page, fonts_, kUnitsPerPoint);
    ++pages_;
  }

  // Ends the file and leaves it under its temporary name: the rename is left to the caller, so
  // that a pair appears together.
  void End() {
    painter_.end();
    writer_.reset();
    const bool flushed = file_.flush();
    const int err = errno;
    if (!flushed || file_.error() != QFileDevice::NoError) {
      Abandon();
      throw PdfFileError(IoError(IoErrorCodeFromErrno(err != 0 ? err : EIO, FileAction::Write)),
                         target_);
    }
    file_.close();
    done_ = true;
  }

  void Abandon() {
    if (painter_.isActive()) painter_.end();
    writer_.reset();
    file_.close();
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    done_ = true;
  }

 private:
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  QFile file_;
  std::unique_ptr<QPdfWriter> writer_;
  QPainter painter_;
  const SheetFonts& fonts_;
  int pages_ = 0;
  bool done_ = false;
};

struct Stopped {};

// One sheet written as a PDF under its temporary name: counted, then painted page by page, here
// or on a thread of its own. `Pages` and `Painted` may be read from any thread.
class SheetWriter {
 public:
  SheetWriter(const std::filesystem::path& studentFile,
              const std::optional<std::filesystem::path>& teacherFile, SheetKind kind,
              const sheet::PrintLayout& layout, std::filesystem::path target)
      : studentFile_(studentFile),
        teacherFile_(teacherFile),
        kind_(kind),
        layout_(layout),
        target_(std::move(target)) {}
  ~SheetWriter() {
    Stop();
    Wait();
  }
  SheetWriter(const SheetWriter&) = delete;
  SheetWriter& operator=(const SheetWriter&) = delete;

  // Writes the sheet, asking `goOn` (when given) after every page; throws Stopped when it or
  // Stop says so, leaving no file.
  void Write(const SheetFonts& fonts, const std::function<bool()>& goOn) {
    const int count = LaySheet(studentFile_, teacherFile_, kind_, layout_, fonts.Measure(), 0, {});
    pages_.store(count);
    PdfStream stream(target_, layout_, fonts);
    LaySheet(studentFile_, teacherFile_, kind_, layout_, fonts.Measure(), count,
             [&](const PageOps& page) {
               stream.Page(page);
               painted_.fetch_add(1);
               if (stop_.load() || (goOn && !goOn())) throw Stopped{};
             });
    stream.End();
  }

  // Writes the sheet on a thread of its own, with fonts of that thread.
  void Start(const SheetFonts& loaded) {
    thread_ = std::thread([this, &loaded] {
      try {
        const SheetFonts fonts(loaded, SheetFonts::OnThisThread{});
        Write(fonts, {});
      } catch (const Stopped&) {
      } catch (...) {
        failure_ = std::current_exception();
      }
      running_.store(false);
    });
    running_.store(true);
  }

  bool Running() const { return running_.load(); }
  void Stop() { stop_.store(true); }
  void Wait() {
    if (thread_.joinable()) thread_.join();
  }
  // What the thread's Write threw, thrown again here.
  void ThrowFailure() const {
    if (failure_) std::rethrow_exception(failure_);
  }

  int Pages() const { return pages_.load(); }
  int Painted() const { return painted_.load(); }

  void Commit() const {
    std::error_code error;
    std::filesystem::rename(TemporaryOf(target_), target_, error);
    if (error)
      throw PdfFileError(IoError(IoErrorCodeFromErrno(error.value(), FileAction::Create)), target_);
  }
  void Discard() const {
    std::error_code ignored;
    std::filesystem::remove(TemporaryOf(target_), ignored);
  }

 private:
  const std::filesystem::path& studentFile_;
  const std::optional<std::filesystem::path>& teacherFile_;
  SheetKind kind_;
  const sheet::PrintLayout& layout_;
  std::filesystem::path target_;
  std::thread thread_;
  std::exception_ptr failure_;
  std::atomic<int> pages_{0};
  std::atomic<int> painted_{0};
  std::atomic<bool> stop_{false};
  std::atomic<bool> running_{false};
};

}  // namespace

std::filesystem::path PdfPathFor(const std::filesystem::path& textFile) {
  return std::filesystem::path(textFile).replace_extension(".pdf");
}

PdfPair WriteWorksheetPdfs(const std::filesystem::path& studentFile,
                           const std::optional<std::filesystem::path>& teacherFile,
                           const sheet::PrintLayout& layout, const std::filesystem::path& outDir,
                           const PdfProgress& progress) {
  const auto target = [&outDir](const std::filesystem::path& file) {
    const std::filesystem::path pdf = PdfPathFor(file);
    return outDir.empty() ? pdf : outDir / pdf.filename();
  };
  PdfPair pair{target(studentFile), teacherFile ? target(*teacherFile) : std::filesystem::path(), 0,
               0, false};
  const SheetFonts fonts;
  // The teacher's sheet is painted on a second thread while this one paints the pupil's: the two
  // PDFs share nothing but the files they read. Only this thread tells the progress.
  SheetWriter student(studentFile, teacherFile, SheetKind::Student, layout, pair.studentPdf);
  std::optional<SheetWriter> teacher;
  if (teacherFile)
    teacher.emplace(studentFile, teacherFile, SheetKind::Teacher, layout, pair.teacherPdf);
  const auto goOn = [&] {
    if (!progress) return true;
    // Until the teacher's sheet is counted, it is taken to be as long as the pupil's.
    const int teacherPages = !teacher               ? 0
                             : teacher->Pages() > 0 ? teacher->Pages()
                                                    : student.Pages();
    const int done = student.Painted() + (teacher ? teacher->Painted() : 0);
    return progress(done, student.Pages() + teacherPages);
  };
  const auto discard = [&] {
    if (teacher) {
      teacher->Stop();
      teacher->Wait();
      teacher->Discard();
    }
    student.Discard();
  };
  try {
    if (teacher) teacher->Start(fonts);
    student.Write(fonts, goOn);
    if (teacher) {
      while (teacher->Running()) {
        if (!goOn()) throw Stopped{};
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
      teacher->Wait();
      teacher->ThrowFailure();
    }
    student.Commit();
    if (teacher) teacher->Commit();
  } catch (const Stopped&) {
    discard();
    pair.stopped = true;
    return pair;
  } catch (...) {
    discard();
    throw;
  }
  pair.studentPages = student.Pages();
  pair.teacherPages = teacher ? teacher->Pages() : 0;
  return pair;
}

PdfPair WriteWorksheetPdfPair(const std::filesystem::path& studentFile,
                              const std::filesystem::path& teacherFile,
                              const sheet::PrintLayout& layout, const PdfProgress& progress) {
  return WriteWorksheetPdfs(studentFile, teacherFile, layout, {}, progress);
}

void PreparePaper(QPagedPaintDevice& device, const sheet::PrintLayout& layout) {
  const PageSize size = SizeOf(layout.paper);
  device.setPageLayout(QPageLayout(QPageSize(QSizeF(size.width, size.height), QPageSize::Point,
                                             QString(), QPageSize::ExactMatch),
                                   QPageLayout::Portrait, QMarginsF()));
}

int PrintSheet(QPagedPaintDevice& device, const std::filesystem::path& studentFile,
               const std::optional<std::filesystem::path>& teacherFile, SheetKind kind,
               const sheet::PrintLayout& layout) {
  const SheetFonts fonts;
  const int count = LaySheet(studentFile, teacherFile, kind, layout, fonts.Measure(), 0, {});
  QPainter painter;
  if (!painter.begin(&device))
    throw PdfFileError(
        IoError(IoErrorCodeFromErrno(EIO, FileAction::Write)),
        kind == SheetKind::Student ? studentFile : teacherFile.value_or(studentFile));
  const double unitsPerPoint = device.logicalDpiX() / 72.0;
  int pages = 0;
  LaySheet(studentFile, teacherFile, kind, layout, fonts.Measure(), count,
           [&](const PageOps& page) {
             if (pages++ > 0) device.newPage();
             PaintPage(painter, page, fonts, unitsPerPoint);
           });
  painter.end();
  return pages;
}

}  // namespace mathsheets::pdf
