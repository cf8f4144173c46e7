#include "page_values.h"

#include <emscripten/bind.h>

#include <utility>

#include "common/cp1251.h"
#include "common/io_error.h"
#include "sheet/read_worksheet.h"

namespace mathsheets::web {

using emscripten::val;

std::string Text(std::string_view text) {
  return std::string(text);
}

// The message box text of a failure, for the page to show.
std::string FailureText(const std::exception& e) {
  if (const auto* io = dynamic_cast<const IoError*>(&e)) return io->BoxText();
  return std::string(e.what()) + ".";
}

val Failure(const std::exception& e) {
  val result = val::object();
  result.set("error", FailureText(e));
  return result;
}

sheet::PrintLayout LayoutOf(const val& layout) {
  sheet::PrintLayout result;
  if (const auto v = sheet::ParseVariantsPerPage(layout["perPage"].as<std::string>()))
    result.perPage = *v;
  if (const auto v = sheet::ParseExerciseColumns(layout["columns"].as<std::string>()))
    result.columns = *v;
  if (const auto v = sheet::ParsePaper(layout["paper"].as<std::string>())) result.paper = *v;
  result.largePrint = layout["large"].as<bool>();
  result.answerKey = layout["key"].as<bool>();
  const val title = layout["title"];
  if (title.isString()) {
    std::string text = title.as<std::string>();
    if (!sheet::TitleFaultOf(text)) result.title = std::move(text);
  }
  return result;
}

val LayoutValue(const sheet::PrintLayout& layout) {
  val result = val::object();
  result.set("perPage", Text(sheet::VariantsPerPageName(layout.perPage)));
  result.set("columns", Text(sheet::ExerciseColumnsName(layout.columns)));
  result.set("paper", Text(sheet::PaperName(layout.paper)));
  result.set("large", layout.largePrint);
  result.set("key", layout.answerKey);
  result.set("title", layout.title);
  return result;
}

// The bytes of a Uint8Array.
std::string BytesOf(const val& array) {
  const auto size = array["length"].as<std::size_t>();
  std::string bytes(size, '\0');
  val view(emscripten::typed_memory_view(size, reinterpret_cast<unsigned char*>(bytes.data())));
  view.call<void>("set", array);
  return bytes;
}

// The lines of a worksheet file in UTF-8, without their CR LF.
std::vector<std::string> FileLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find("\r\n");
    lines.push_back(Cp1251ToUtf8(bytes.substr(0, end)));
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 2);
  }
  return lines;
}

sheet::Worksheet WorksheetOf(const val& student, const val& teacher) {
  return sheet::ReadWorksheet(FileLines(BytesOf(student)), FileLines(BytesOf(teacher)));
}

}  // namespace mathsheets::web
