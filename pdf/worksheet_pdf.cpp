#include "pdf/worksheet_pdf.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <string_view>

#include "pdf/sheet_layout.h"
#include "pdf/sheet_painter.h"
#include "pdf/variant_reader.h"
#include "sheet/read_worksheet.h"

namespace mathsheets::pdf {

namespace {

// Device units per inch: fine enough that positions need no rounding.
constexpr int kResolution = 1200;
constexpr double kUnitsPerPoint = kResolution / 72.0;

constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kTwinPrefixes = {
    {{"ajobs_", "ajobt_"}, {"zjobs_", "zjobt_"}}};

// Runs `action`, naming `file` in the IoError it throws.
template <class Action>
auto Guarded(const std::filesystem::path& file, Action action) {
  try {
    return action();
  } catch (const PdfFileError&) {
    throw;
  } catch (const IoError& e) {
    throw PdfFileError(e, file);
  }
}

// Both files of a pair read a variant at a time; their variants are matched in order, and the
// model says what of a variant the two files do not share.
class PairReader {
 public:
  PairReader(const std::filesystem::path& student,
             const std::optional<std::filesystem::path>& teacher)
      : studentPath_(student), teacherPath_(teacher.value_or(std::filesystem::path())) {
    student_ = Guarded(studentPath_, [&] { return std::make_unique<VariantReader>(student); });
    if (teacher)
      teacher_ = Guarded(teacherPath_, [&] { return std::make_unique<VariantReader>(*teacher); });
  }

  const std::string& StudentStamp() const { return student_->Stamp(); }
  const std::string& TeacherStamp() const { return teacher_ ? teacher_->Stamp() : empty_; }

  sheet::Worksheet Preamble() const {
    return Model(student_->Preamble(),
                 teacher_ ? teacher_->Preamble() : std::vector<std::string>());
  }

  // The next variant (or, for a pair that does not match, what the model made of it).
  bool Next(sheet::Worksheet& model) {
    const bool s = Guarded(studentPath_, [&] { return student_->Next(studentLines_); });
    const bool t = teacher_ && Guarded(teacherPath_, [&] { return teacher_->Next(teacherLines_); });
    if (!s && !t) return false;
    if (!s) studentLines_.clear();
    if (!t) teacherLines_.clear();
    model = Model(studentLines_, teacherLines_);
    return true;
  }

 private:
  sheet::Worksheet Model(const std::vector<std::string>& student,
                         const std::vector<std::string>& teacher) const {
    std::vector<std::string> s{student_->Stamp()};
    s.insert(s.end(), student.begin(), student.end());
    if (!teacher_) return sheet::ReadStudentWorksheet(s);
    std::vector<std::string> t{teacher_->Stamp()};
    t.insert(t.end(), teacher.begin(), teacher.end());
    return sheet::ReadWorksheet(s, t);
  }

  std::filesystem::path studentPath_;
  std::filesystem::path teacherPath_;
  std::unique_ptr<VariantReader> student_;
  std::unique_ptr<VariantReader> teacher_;
  std::vector<std::string> studentLines_;
  std::vector<std::string> teacherLines_;
  std::string empty_;
};

// A PDF written page by page under a temporary name beside its place, renamed when whole.
class PdfStream {
 public:
  PdfStream(const std::filesystem::path& target, const sheet::PrintLayout& layout,
            const SheetFonts& fonts)
      : target_(target),
        temporary_(std::filesystem::path(target).concat(".part")),
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

  // Ends the file; the rename is left to Commit, so that a pair appears together.
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
  }

  void Commit() {
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) {
      Abandon();
      throw PdfFileError(IoError(IoErrorCodeFromErrno(error.value(), FileAction::Create)), target_);
    }
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

struct Counts {
  int student = 0;
  int teacher = 0;
};

// Lays both sheets out from the files, handing their pages to the sinks; the teacher's key needs
// a second reading of the files, since its cells are as wide as the widest answer of all.
Counts LayBothSheets(const std::filesystem::path& studentFile,
                     const std::optional<std::filesystem::path>& teacherFile,
                     const sheet::PrintLayout& layout, const TextMeasure& measure,
                     const Counts& pageCounts, const SheetLayout::PageSink& studentSink,
                     const SheetLayout::PageSink& teacherSink) {
  PairReader reader(studentFile, teacherFile);
  SheetLayout student(measure, layout, SheetKind::Student, reader.StudentStamp(),
                      pageCounts.student, studentSink);
  std::optional<SheetLayout> teacher;
  if (teacherFile)
    teacher.emplace(measure, layout, SheetKind::Teacher, reader.TeacherStamp(), pageCounts.teacher,
                    teacherSink);
  const sheet::Worksheet preamble = reader.Preamble();
  if (!preamble.preamble.empty()) {
    student.AddPreamble(preamble.preamble);
    if (teacher) teacher->AddPreamble(preamble.preamble);
  }
  double keyCellWidth = 0;
  bool anyVariant = false;
  sheet::Worksheet model;
  while (reader.Next(model)) {
    student.AddPreamble(model.preamble);
    if (teacher) teacher->AddPreamble(model.preamble);
    for (const sheet::Variant& variant : model.variants) {
      student.AddVariant(variant);
      if (!teacher) continue;
      teacher->AddVariant(variant);
      keyCellWidth = std::max(keyCellWidth, teacher->KeyCellWidth(variant));
      anyVariant = true;
    }
  }
  Counts counts;
  counts.student = student.Finish();
  if (teacher && layout.answerKey && anyVariant) {
    teacher->StartKey(keyCellWidth);
    PairReader again(studentFile, teacherFile);
    while (again.Next(model))
      for (const sheet::Variant& variant : model.variants) teacher->AddKeyRow(variant);
  }
  if (teacher) counts.teacher = teacher->Finish();
  return counts;
}

}  // namespace

PdfFileError::PdfFileError(const IoError& error, const std::filesystem::path& file)
    : IoError(error.code()), message_(std::string(error.what()) + ": " + file.string()) {}

std::filesystem::path PdfPathFor(const std::filesystem::path& textFile) {
  return std::filesystem::path(textFile).replace_extension(".pdf");
}

std::optional<std::filesystem::path> TwinFileOf(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  for (const auto& [student, teacher] : kTwinPrefixes) {
    if (name.starts_with(student))
      return file.parent_path() / (std::string(teacher) + name.substr(student.size()));
    if (name.starts_with(teacher))
      return file.parent_path() / (std::string(student) + name.substr(teacher.size()));
  }
  return std::nullopt;
}

bool IsTeacherFileName(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  return std::any_of(kTwinPrefixes.begin(), kTwinPrefixes.end(),
                     [&name](const auto& prefixes) { return name.starts_with(prefixes.second); });
}

PdfPair WriteWorksheetPdfs(const std::filesystem::path& studentFile,
                           const std::optional<std::filesystem::path>& teacherFile,
                           const sheet::PrintLayout& layout, const std::filesystem::path& outDir,
                           const PdfProgress& progress) {
  const auto target = [&outDir](const std::filesystem::path& file) {
    const std::filesystem::path pdf = PdfPathFor(file);
    return outDir.empty() ? pdf : outDir / pdf.filename();
  };
  const SheetFonts fonts;
  const Counts counts =
      LayBothSheets(studentFile, teacherFile, layout, fonts.Measure(), {}, {}, {});

  PdfPair pair{target(studentFile), teacherFile ? target(*teacherFile) : std::filesystem::path(),
               counts.student, counts.teacher, false};
  PdfStream student(pair.studentPdf, layout, fonts);
  std::optional<PdfStream> teacher;
  if (teacherFile) teacher.emplace(pair.teacherPdf, layout, fonts);
  const int total = counts.student + counts.teacher;
  int done = 0;
  const auto painted = [&] {
    ++done;
    if (progress && !progress(done, total)) throw Stopped{};
  };
  try {
    LayBothSheets(
        studentFile, teacherFile, layout, fonts.Measure(), counts,
        [&](const PageOps& page) {
          student.Page(page);
          painted();
        },
        [&](const PageOps& page) {
          teacher->Page(page);
          painted();
        });
  } catch (const Stopped&) {
    student.Abandon();
    if (teacher) teacher->Abandon();
    pair.stopped = true;
    return pair;
  }
  student.End();
  if (teacher) teacher->End();
  student.Commit();
  if (teacher) teacher->Commit();
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
  const Counts counts =
      LayBothSheets(studentFile, teacherFile, layout, fonts.Measure(), {}, {}, {});
  QPainter painter;
  if (!painter.begin(&device))
    throw PdfFileError(IoError(IoErrorCodeFromErrno(EIO, FileAction::Write)),
                       kind == SheetKind::Student ? studentFile : *teacherFile);
  const double unitsPerPoint = device.logicalDpiX() / 72.0;
  int pages = 0;
  const auto paint = [&](const PageOps& page) {
    if (pages++ > 0) device.newPage();
    PaintPage(painter, page, fonts, unitsPerPoint);
  };
  const SheetLayout::PageSink none = [](const PageOps&) {};
  LayBothSheets(studentFile, teacherFile, layout, fonts.Measure(), counts,
                kind == SheetKind::Student ? SheetLayout::PageSink(paint) : none,
                kind == SheetKind::Teacher ? SheetLayout::PageSink(paint) : none);
  painter.end();
  return pages;
}

}  // namespace mathsheets::pdf
