#include "pdf/sheet_painter.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QPen>
#include <QRawFont>
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

class SheetFonts::GlyphTable : public TextMeasure {
 public:
  explicit GlyphTable(const std::array<QFont, kFaceCount>& fonts) {
    for (std::size_t f = 0; f < kFaceCount; ++f) {
      QFont font = fonts[f];
      font.setPixelSize(kMeasuringPixels);
      raw_[f] = QRawFont::fromFont(font);
      common_[f].fill(Glyph{0, -1});
    }
  }

  double Width(Face face, std::string_view utf8) const override {
    const auto f = static_cast<std::size_t>(face);
    double width = 0;
    ForEachCodePoint(utf8, [&](char32_t code) { width += GlyphOf(f, code).advance; });
    return width;
  }

  // The glyphs of `utf8` and where each starts, in units of `scale` a point of size; false when
  // the face lacks one of them.
  bool Glyphs(Face face, std::string_view utf8, double scale, QList<quint32>& indexes,
              QList<QPointF>& positions) const {
    const auto f = static_cast<std::size_t>(face);
    indexes.clear();
    positions.clear();
    double x = 0;
    bool all = true;
    ForEachCodePoint(utf8, [&](char32_t code) {
      const Glyph& glyph = GlyphOf(f, code);
      // A blank is only room: the PDF gets no glyph for it.
      if (code != ' ') {
        all = all && glyph.index != 0;
        indexes.push_back(glyph.index);
        positions.push_back(QPointF(x, 0));
      }
      x += glyph.advance * scale;
    });
    return all;
  }

  const QRawFont& Raw(Face face) const { return raw_[static_cast<std::size_t>(face)]; }

 private:
  struct Glyph {
    quint32 index;
    double advance;  // per point of size
  };
  static constexpr std::size_t kCommon = 0x500;  // Latin, Greek and Cyrillic

  const Glyph& GlyphOf(std::size_t f, char32_t code) const {
    if (code < kCommon) {
      Glyph& cached = common_[f][code];
      if (cached.advance < 0) cached = Looked(f, code);
      return cached;
    }
    auto [it, inserted] = others_[f].try_emplace(code, Glyph{0, 0});
    if (inserted) it->second = Looked(f, code);
    return it->second;
  }

  Glyph Looked(std::size_t f, char32_t code) const {
    const QString text = QString::fromUcs4(&code, 1);
    quint32 index = 0;
    int count = 1;
    if (!raw_[f].glyphIndexesForChars(text.constData(), static_cast<int>(text.size()), &index,
                                      &count) ||
        count != 1)
      index = 0;
    QPointF advance;
    raw_[f].advancesForGlyphIndexes(&index, &advance, 1, QRawFont::UseDesignMetrics);
    return {index, advance.x() / kMeasuringPixels};
  }

  std::array<QRawFont, kFaceCount> raw_;
  mutable std::array<std::array<Glyph, kCommon>, kFaceCount> common_{};
  mutable std::array<std::unordered_map<char32_t, Glyph>, kFaceCount> others_;
};

namespace {

QFont FaceFont(const QString& family, std::size_t f) {
  QFont font(family);
  font.setBold(kFaceFiles[f].bold);
  font.setItalic(kFaceFiles[f].italic);
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace

SheetFonts::SheetFonts() {
  for (std::size_t f = 0; f < kFaceCount; ++f) {
    QString family = QString::fromUtf8(kFallbackFamilies[f]);
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(kFaceFiles[f].file));
    if (id >= 0) {
      fontIds_.push_back(id);
      const QStringList families = QFontDatabase::applicationFontFamilies(id);
      if (!families.isEmpty()) family = families.front();
    }
    fonts_[f] = FaceFont(family, f);
  }
  widths_ = std::make_unique<GlyphTable>(fonts_);
}

SheetFonts::SheetFonts(const SheetFonts& loaded, OnThisThread) {
  // New fonts from the family names: a copy would share the loaded fonts' engines with the
  // thread that made them.
  for (std::size_t f = 0; f < kFaceCount; ++f)
    fonts_[f] = FaceFont(QString(loaded.fonts_[f].family()), f);
  widths_ = std::make_unique<GlyphTable>(fonts_);
}

SheetFonts::~SheetFonts() {
  widths_.reset();
  for (const int id : fontIds_) QFontDatabase::removeApplicationFont(id);
}

const TextMeasure& SheetFonts::Measure() const {
  return *widths_;
}

const SheetFonts::GlyphTable& SheetFonts::Table() const {
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
  // Glyphs placed by the widths the layout used, with no shaping: the same positions, and much
  // less work than laying out each text again. All texts of one face, size and ink go out as one
  // run of glyphs, placed relative to the first: the PDF gets one text object for them, not one
  // for every number and sign.
  const TextOp* first = nullptr;
  QGlyphRun run;
  QList<quint32> indexes;
  QList<QPointF> positions;
  QList<quint32> textIndexes;
  QList<QPointF> textPositions;
  const auto flush = [&] {
    if (first == nullptr || indexes.isEmpty()) return;
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(first->x * u, first->y * u), run);
    indexes.clear();
    positions.clear();
  };
  for (const std::size_t i : order) {
    const TextOp& t = page.texts[i];
    if (first == nullptr || first->face != t.face || first->size != t.size || first->ink != t.ink) {
      flush();
      if (first == nullptr || first->face != t.face || first->size != t.size) {
        QRawFont raw = fonts.Table().Raw(t.face);
        raw.setPixelSize(t.size * u);
        run.setRawFont(raw);
        QFont font = fonts.FontOf(t.face);
        font.setPointSizeF(t.size);
        painter.setFont(font);
      }
      if (first == nullptr || first->ink != t.ink) painter.setPen(ColourOf(t.ink));
      first = &t;
    }
    if (!fonts.Table().Glyphs(t.face, t.text, t.size * u, textIndexes, textPositions)) {
      painter.drawText(QPointF(t.x * u, t.y * u), QString::fromUtf8(t.text));
      continue;
    }
    const QPointF offset((t.x - first->x) * u, (t.y - first->y) * u);
    for (qsizetype g = 0; g < textIndexes.size(); ++g) {
      indexes.push_back(textIndexes[g]);
      positions.push_back(textPositions[g] + offset);
    }
  }
  flush();
  for (const RuleOp& r : page.rules) {
    QPen pen(ColourOf(r.ink), r.width * u);
    pen.setCapStyle(Qt::FlatCap);
    if (r.dashed) pen.setDashPattern({8, 6});
    painter.setPen(pen);
    painter.drawLine(QPointF(r.x1 * u, r.y1 * u), QPointF(r.x2 * u, r.y2 * u));
  }
}

}  // namespace mathsheets::pdf
