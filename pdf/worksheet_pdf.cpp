#include "pdf/worksheet_pdf.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cerrno>

#include "common/io_error.h"
#include "pdf/page_plan.h"
#include "pdf/worksheet_outline.h"
#include "pdf/worksheet_text.h"

namespace mathsheets::pdf {

namespace {

constexpr const char* kRegularFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
constexpr const char* kBoldFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";

// Device units per inch: fine enough that measures need no rounding.
constexpr int kResolution = 1200;
constexpr double kPointsPerInch = 72;
constexpr double kUnitsPerPoint = kResolution / kPointsPerInch;
constexpr double kPointsPerMillimetre = kPointsPerInch / 25.4;

constexpr double kPageWidth = 210 * kPointsPerMillimetre;
constexpr double kPageHeight = 297 * kPointsPerMillimetre;
constexpr double kSideMargin = 15 * kPointsPerMillimetre;
constexpr double kTopMargin = 10 * kPointsPerMillimetre;
constexpr double kBottomMargin = 15 * kPointsPerMillimetre;
// The running head: the stamp at the left, the page number at the right, a thin rule below.
constexpr double kRunningHeadSize = 8;
constexpr double kRuleWidth = 0.5;
constexpr double kTextTop = kTopMargin + 10 * kPointsPerMillimetre;
constexpr TextArea kTextArea{kPageWidth - 2 * kSideMargin, kPageHeight - kTextTop - kBottomMargin};

// Large enough that the measures of one point keep their precision.
constexpr double kMeasuringSize = 100;

QFont LoadFont(const char* file, bool bold, std::vector<int>& fontIds) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file));
  if (id >= 0) {
    fontIds.push_back(id);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) font = QFont(families.front());
  }
  font.setStyleHint(QFont::Monospace);
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setBold(bold);
  return font;
}

QFont Sized(QFont font, double points) {
  font.setPointSizeF(points);
  return font;
}

FontMeasure Measure(const QFont& font, QPaintDevice* device) {
  const QFontMetricsF metrics(Sized(font, kMeasuringSize), device);
  const double scale = 1 / (kUnitsPerPoint * kMeasuringSize);
  // Cyrillic letters come from the same fixed-pitch font; take the widest to be safe.
  double advance = 0;
  for (const QChar c : QStringLiteral("0MЖж№"))
    advance = std::max(advance, metrics.horizontalAdvance(c));
  return {advance * scale, metrics.lineSpacing() * scale, metrics.ascent() * scale};
}

QPointF At(double x, double y) {
  return {x * kUnitsPerPoint, y * kUnitsPerPoint};
}

class PageDrawer {
 public:
  PageDrawer(QPainter& painter, const QFont& regular, const QFont& bold, QString stamp)
      : painter_(painter), regular_(regular), bold_(bold), stamp_(std::move(stamp)) {}

  void RunningHead(int page, int pages) {
    const QFont font = Sized(regular_, kRunningHeadSize);
    const QFontMetricsF metrics(font, painter_.device());
    const double baseline = kTopMargin + metrics.ascent() / kUnitsPerPoint;
    painter_.setFont(font);
    painter_.drawText(At(kSideMargin, baseline), stamp_);
    const QString number = QStringLiteral("стр. %1 из %2").arg(page).arg(pages);
    const double numberWidth = metrics.horizontalAdvance(number) / kUnitsPerPoint;
    painter_.drawText(At(kPageWidth - kSideMargin - numberWidth, baseline), number);
    const double rule = kTopMargin + metrics.lineSpacing() / kUnitsPerPoint + 2;
    painter_.setPen(QPen(Qt::black, kRuleWidth * kUnitsPerPoint));
    painter_.drawLine(At(kSideMargin, rule), At(kPageWidth - kSideMargin, rule));
  }

  void Row(const PlacedRow& row) {
    const QFont& face = row.style == RowStyle::VariantHeader ? bold_ : regular_;
    painter_.setFont(Sized(face, row.fontSize));
    painter_.drawText(At(kSideMargin, kTextTop + row.baseline), QString::fromStdString(row.text));
  }

 private:
  QPainter& painter_;
  const QFont& regular_;
  const QFont& bold_;
  QString stamp_;
};

}  // namespace

std::filesystem::path PdfPathFor(const std::filesystem::path& textFile) {
  return std::filesystem::path(textFile).replace_extension(".pdf");
}

WorksheetPdfWriter::WorksheetPdfWriter()
    : regular_(LoadFont(kRegularFontFile, false, fontIds_)),
      bold_(LoadFont(kBoldFontFile, true, fontIds_)) {}

WorksheetPdfWriter::~WorksheetPdfWriter() {
  for (const int id : fontIds_) QFontDatabase::removeApplicationFont(id);
}

void WorksheetPdfWriter::Write(const std::filesystem::path& textFile,
                               const std::filesystem::path& pdfFile) const {
  const WorksheetOutline outline = OutlineWorksheet(ReadWorksheetLines(textFile));
  // The PDF is made in memory and written by us, so that a failed write is reported.
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(QString::fromStdString(textFile.filename().string()));
    writer.setCreator(QStringLiteral("mathsheets"));
    const PagePlan plan =
        PlanPages(outline, kTextArea, Measure(regular_, &writer), Measure(bold_, &writer));

    QPainter painter;
    if (!painter.begin(&writer)) throw IoError(IoErrorCodeFromErrno(ENOMEM, FileAction::Write));
    PageDrawer drawer(painter, regular_, bold_, QString::fromStdString(outline.stamp));
    const int pages = static_cast<int>(plan.pages.size());
    for (int page = 0; page < pages; ++page) {
      if (page > 0) writer.newPage();
      drawer.RunningHead(page + 1, pages);
      for (const PlacedRow& row : plan.pages[static_cast<std::size_t>(page)]) drawer.Row(row);
    }
    painter.end();
  }
  WriteFileBytes(pdfFile,
                 std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

PdfPair WriteWorksheetPdfPair(const std::filesystem::path& studentFile,
                              const std::filesystem::path& teacherFile) {
  const WorksheetPdfWriter writer;
  PdfPair pair{PdfPathFor(studentFile), PdfPathFor(teacherFile)};
  writer.Write(studentFile, pair.studentPdf);
  writer.Write(teacherFile, pair.teacherPdf);
  return pair;
}

}  // namespace mathsheets::pdf
