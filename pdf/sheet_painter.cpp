#include "pdf/sheet_painter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

namespace mathsheets::pdf {

namespace {

struct FaceFile {
  const char* file;
  bool bold;
  bool italic;
};

// In the order of Face.
constexpr std::array<FaceFile, kFaceCount> kFaceFiles = {{
    {"/usr/share/fonts/truetype/paratype/PTS55F.ttf", false, false},
    {"/usr/share/fonts/truetype/paratype/PTS75F.ttf", true, false},
    {"/usr/share/fonts/truetype/paratype/PTS56F.ttf", false, true},
    {"/usr/share/fonts/truetype/paratype/PTS76F.ttf", true, true},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", false, false},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf", true, false},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", false, false},
}};
constexpr std::array<const char*, kFaceCount> kFallbackFamilies = {
    "PT Sans",          "PT Sans",          "PT Sans",    "PT Sans",
    "DejaVu Sans Mono", "DejaVu Sans Mono", "DejaVu Sans"};

// Large enough that widths keep their precision; a pixel size, so that no resolution enters.
constexpr int kMeasuringPixels = 1000;

QColor ColourOf(Ink ink) {
  switch (ink) {
    case Ink::Answer:
      return {0x1a, 0x3a, 0x8a};
    case Ink::Faint:
      return {0x70, 0x70, 0x70};
    case Ink::Text:
      break;
  }
  return Qt::black;
}

// The code points of UTF-8 text; a broken sequence gives U+FFFD.
template <class Each>
void ForEachCodePoint(std::string_view text, Each each) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    char32_t code = 0xFFFD;
    std::size_t length = 1;
    if (c < 0x80) {
      code = c;
    } else if ((c & 0xE0) == 0xC0) {
      length = 2;
    } else if ((c & 0xF0) == 0xE0) {
      length = 3;
    } else if ((c & 0xF8) == 0xF0) {
      length = 4;
    }
    if (length > 1 && i + length <= text.size()) {
      code = c & (0x7F >> length);
      for (std::size_t k = 1; k < length; ++k)
        code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    each(code);
    i += std::min(length, text.size() - i);
  }
}

}  // namespace

class SheetFonts::Widths : public TextMeasure {
 public:
  explicit Widths(const std::array<QFont, kFaceCount>& fonts) {
    for (std::size_t f = 0; f < kFaceCount; ++f) {
      QFont font = fonts[f];
      font.setPixelSize(kMeasuringPixels);
      metrics_[f] = std::make_unique<QFontMetricsF>(font);
      common_[f].fill(-1);
    }
  }

  double Width(Face face, std::string_view utf8) const override {
    const auto f = static_cast<std::size_t>(face);
    double width = 0;
    ForEachCodePoint(utf8, [&](char32_t code) { width += Advance(f, code); });
    return width;
  }

 private:
  static constexpr std::size_t kCommon = 0x500;  // Latin, Greek and Cyrillic

  double Advance(std::size_t f, char32_t code) const {
    if (code < kCommon) {
      double& cached = common_[f][code];
      if (cached < 0) cached = Measured(f, code);
      return cached;
    }
    auto [it, inserted] = others_[f].try_emplace(code, 0.0);
    if (inserted) it->second = Measured(f, code);
    return it->second;
  }

  double Measured(std::size_t f, char32_t code) const {
    const QString text = QString::fromUcs4(&code, 1);
    return metrics_[f]->horizontalAdvance(text) / kMeasuringPixels;
  }

  std::array<std::unique_ptr<QFontMetricsF>, kFaceCount> metrics_;
  mutable std::array<std::array<double, kCommon>, kFaceCount> common_{};
  mutable std::array<std::unordered_map<char32_t, double>, kFaceCount> others_;
};

SheetFonts::SheetFonts() {
  for (std::size_t f = 0; f < kFaceCount; ++f) {
    QString family = QString::fromUtf8(kFallbackFamilies[f]);
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(kFaceFiles[f].file));
    if (id >= 0) {
      fontIds_.push_back(id);
      const QStringList families = QFontDatabase::applicationFontFamilies(id);
      if (!families.isEmpty()) family = families.front();
    }
    QFont font(family);
    font.setBold(kFaceFiles[f].bold);
    font.setItalic(kFaceFiles[f].italic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    fonts_[f] = font;
  }
  widths_ = std::make_unique<Widths>(fonts_);
}

SheetFonts::~SheetFonts() {
  widths_.reset();
  for (const int id : fontIds_) QFontDatabase::removeApplicationFont(id);
}

const TextMeasure& SheetFonts::Measure() const {
  return *widths_;
}

void PaintPage(QPainter& painter, const PageOps& page, const SheetFonts& fonts,
               double unitsPerPoint) {
  const double u = unitsPerPoint;
  // Texts in order of face, size and ink, so that each font is set once a page.
  std::vector<std::size_t> order(page.texts.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&page](std::size_t a, std::size_t b) {
    const TextOp& x = page.texts[a];
    const TextOp& y = page.texts[b];
    if (x.face != y.face) return x.face < y.face;
    if (x.size != y.size) return x.size < y.size;
    return x.ink < y.ink;
  });
  const TextOp* last = nullptr;
  for (const std::size_t i : order) {
    const TextOp& t = page.texts[i];
    if (last == nullptr || last->face != t.face || last->size != t.size) {
      QFont font = fonts.FontOf(t.face);
      font.setPointSizeF(t.size);
      painter.setFont(font);
    }
    if (last == nullptr || last->ink != t.ink) painter.setPen(ColourOf(t.ink));
    painter.drawText(QPointF(t.x * u, t.y * u), QString::fromUtf8(t.text));
    last = &t;
  }
  for (const RuleOp& r : page.rules) {
    QPen pen(ColourOf(r.ink), r.width * u);
    pen.setCapStyle(Qt::FlatCap);
    if (r.dashed) pen.setDashPattern({8, 6});
    painter.setPen(pen);
    painter.drawLine(QPointF(r.x1 * u, r.y1 * u), QPointF(r.x2 * u, r.y2 * u));
  }
}

}  // namespace mathsheets::pdf
