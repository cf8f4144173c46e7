#include "docx/sheet_document.h"

#include <algorithm>

namespace mathsheets::docx {

SheetDocument::SheetDocument(const std::filesystem::path& studentFile,
                             const std::optional<std::filesystem::path>& teacherFile,
                             layout::SheetKind kind, const sheet::PrintLayout& layout)
    : studentFile_(studentFile),
      teacherFile_(teacherFile),
      keyWanted_(kind == layout::SheetKind::Teacher && layout.answerKey),
      reader_(std::make_unique<sheet::PairReader>(studentFile, teacherFile)),
      parts_(PackageParts(layout, kind == layout::SheetKind::Teacher ? reader_->TeacherStamp()
                                                                     : reader_->StudentStamp())),
      xml_(layout, kind) {}

SheetDocument::~SheetDocument() = default;

bool SheetDocument::NextPiece(std::string& out) {
  switch (stage_) {
    case Stage::Start:
      out += xml_.Start();
      out += xml_.Preamble(reader_->Preamble().preamble);
      stage_ = Stage::Variants;
      return true;
    case Stage::Variants:
      if (reader_->Next(model_)) {
        out += xml_.Preamble(model_.preamble);
        for (const sheet::Variant& variant : model_.variants) out += xml_.Variant(variant);
        anyVariant_ = anyVariant_ || !model_.variants.empty();
        return true;
      }
      if (keyWanted_ && anyVariant_) {
        // The key is a second reading of the files: a row a variant.
        reader_ = std::make_unique<sheet::PairReader>(studentFile_, teacherFile_);
        out += xml_.KeyStart();
        stage_ = Stage::Key;
      } else {
        stage_ = Stage::End;
      }
      return true;
    case Stage::Key:
      if (reader_->Next(model_)) {
        for (const sheet::Variant& variant : model_.variants) out += xml_.KeyRow(variant);
        return true;
      }
      out += xml_.KeyEnd();
      stage_ = Stage::End;
      return true;
    case Stage::End:
      out += xml_.End();
      reader_.reset();
      stage_ = Stage::Done;
      return true;
    case Stage::Done:
      break;
  }
  return false;
}

std::vector<Part> SheetDocumentParts(const std::filesystem::path& studentFile,
                                     const std::optional<std::filesystem::path>& teacherFile,
                                     layout::SheetKind kind, const sheet::PrintLayout& layout) {
  SheetDocument document(studentFile, teacherFile, kind, layout);
  std::vector<Part> parts = document.Parts();
  const auto found = std::find_if(parts.begin(), parts.end(),
                                  [](const Part& part) { return part.name == kDocumentPartName; });
  while (document.NextPiece(found->bytes)) {
  }
  return parts;
}

}  // namespace mathsheets::docx
