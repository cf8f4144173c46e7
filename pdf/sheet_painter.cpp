#include "pdf/sheet_painter.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QPen>
#include <QRawFont>
#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "layout/font_widths.h"

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

}  // namespace

// The glyph indexes of the faces' files, looked up once a code point; where they go is the
// layout's width table's business.
class SheetFonts::GlyphTable {
 public:
  explicit GlyphTable(const std::array<QFont, kFaceCount>& fonts) {
    for (std::size_t f = 0; f < kFaceCount; ++f) {
      raw_[f] = QRawFont::fromFont(fonts[f]);
      common_[f].fill(kNotLooked);
    }
  }

  // The glyphs of `utf8` and where each starts, in units of `scale` a point of size; false when
  // the table or the face lacks one of them.
  bool Glyphs(Face face, std::string_view utf8, double scale, QList<quint32>& indexes,
              QList<QPointF>& positions) const {
    const auto f = static_cast<std::size_t>(face);
    indexes.clear();
    positions.clear();
    double x = 0;
    bool all = true;
    for (std::size_t at = 0; at < utf8.size();) {
      const char32_t code = layout::NextCodePoint(utf8, at);
      // A blank is only room: the PDF gets no glyph for it.
      if (code != ' ') {
        const quint32 index = IndexOf(f, code);
        all = all && index != 0 && layout::HasGlyph(face, code);
        indexes.push_back(index);
        positions.push_back(QPointF(x, 0));
      }
      x += layout::Advance(face, code) * scale;
    }
    return all;
  }

  const QRawFont& Raw(Face face) const { return raw_[static_cast<std::size_t>(face)]; }

 private:
  static constexpr std::size_t kCommon = 0x500;  // Latin, Greek and Cyrillic
  static constexpr quint32 kNotLooked = 0xFFFFFFFF;

  quint32 IndexOf(std::size_t f, char32_t code) const {
    if (code < kCommon) {
      quint32& cached = common_[f][code];
      if (cached == kNotLooked) cached = Looked(f, code);
      return cached;
    }
    auto [it, inserted] = others_[f].try_emplace(code, 0);
    if (inserted) it->second = Looked(f, code);
    return it->second;
  }

  quint32 Looked(std::size_t f, char32_t code) const {
    const QString text = QString::fromUcs4(&code, 1);
    quint32 index = 0;
    int count = 1;
    if (!raw_[f].glyphIndexesForChars(text.constData(), static_cast<int>(text.size()), &index,
                                      &count) ||
        count != 1)
      return 0;
    return index;
  }

  std::array<QRawFont, kFaceCount> raw_;
  mutable std::array<std::array<quint32, kCommon>, kFaceCount> common_{};
  mutable std::array<std::unordered_map<char32_t, quint32>, kFaceCount> others_;
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
  glyphs_ = std::make_unique<GlyphTable>(fonts_);
}

SheetFonts::SheetFonts(const SheetFonts& loaded, OnThisThread) {
  // New fonts from the family names: a copy would share the loaded fonts' engines with the
  // thread that made them.
  for (std::size_t f = 0; f < kFaceCount; ++f)
    fonts_[f] = FaceFont(QString(loaded.fonts_[f].family()), f);
  glyphs_ = std::make_unique<GlyphTable>(fonts_);
}

SheetFonts::~SheetFonts() {
  glyphs_.reset();
  for (const int id : fontIds_) QFontDatabase::removeApplicationFont(id);
}

const SheetFonts::GlyphTable& SheetFonts::Table() const {
  return *glyphs_;
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
