#include "fuzz_support.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/cp1251.h"
#include "common/io_error.h"
#include "layout/font_widths.h"
#include "layout/lay_sheet.h"

namespace mathsheets::fuzz {

MemoryFile::MemoryFile(std::string_view bytes) {
  fd_ = ::memfd_create("fuzz-input", MFD_CLOEXEC);
  Check(fd_ >= 0, "memfd_create failed");
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    Check(n > 0, "writing the input to memory failed");
    done += static_cast<std::size_t>(n);
  }
  path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemoryFile::~MemoryFile() {
  ::close(fd_);
}

void Fail(const std::string& what) {
  // Written whole: a text of the input may hold a NUL byte.
  const std::string line = "property broken: " + what + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::abort();
}

std::vector<std::string> FileLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.push_back(Cp1251ToUtf8(bytes.substr(start, i - start)));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back(Cp1251ToUtf8(bytes.substr(start)));
  return lines;
}

sheet::PrintLayout LayoutOf(std::string_view bytes) {
  unsigned sum = 0;
  for (const char c : bytes) sum = sum * 31U + static_cast<unsigned char>(c);
  sheet::PrintLayout layout;
  layout.perPage = static_cast<sheet::VariantsPerPage>(sum % 4U);
  layout.columns = static_cast<sheet::ExerciseColumns>(sum / 4U % 4U);
  layout.largePrint = (sum >> 4U & 1U) != 0;
  layout.answerKey = (sum >> 5U & 1U) != 0;
  layout.paper = (sum >> 6U & 1U) != 0 ? sheet::Paper::A5 : sheet::Paper::A4;
  if ((sum >> 7U & 3U) == 0) layout.title = "Самостоятельная работа №3";
  return layout;
}

namespace {

// A page's marks are finite numbers on the paper; counts them into `pages`.
layout::SheetLayout::PageSink PageChecker(const sheet::PrintLayout& choices, int& pages,
                                          std::size_t limit) {
  const layout::PageSize size = layout::SizeOf(choices.paper);
  const std::string where =
      " on a page of " + std::to_string(size.width) + " x " + std::to_string(size.height) +
      " (per-page " + std::string(sheet::VariantsPerPageName(choices.perPage)) + ", columns " +
      std::string(sheet::ExerciseColumnsName(choices.columns)) +
      (choices.largePrint ? ", large" : "") + (choices.title.empty() ? "" : ", a title") + ")";
  return [size, where, &pages, limit](const layout::PageOps& page) {
    ++pages;
    Check(static_cast<std::size_t>(pages) <= limit,
          "the layout makes more than " + std::to_string(limit) + " pages");
    const auto onPaper = [&size](double x, double y) {
      return std::isfinite(x) && std::isfinite(y) && x >= 0 && x <= size.width && y >= 0 &&
             y <= size.height;
    };
    for (const layout::TextOp& text : page.texts)
      Check(onPaper(text.x, text.y) && std::isfinite(text.size) && text.size > 0,
            "a text off the paper: \"" + text.text + "\" at " + std::to_string(text.x) + ", " +
                std::to_string(text.y) + where);
    for (const layout::RuleOp& rule : page.rules)
      Check(onPaper(rule.x1, rule.y1) && onPaper(rule.x2, rule.y2),
            "a rule off the paper from " + std::to_string(rule.x1) + ", " +
                std::to_string(rule.y1) + " to " + std::to_string(rule.x2) + ", " +
                std::to_string(rule.y2) + where);
  };
}

// Every line of the input, however it is set, takes at most a page of its own, and so does each
// byte of it; a few pages more for the key and a title.
std::size_t PageLimit(std::size_t inputBytes) {
  return 8 + 2 * inputBytes;
}

}  // namespace

void CheckLaysOut(const sheet::Worksheet& worksheet, const sheet::PrintLayout& layout,
                  std::size_t inputBytes) {
  const layout::TextMeasure& measure = layout::SheetFontWidths();
  for (const layout::SheetKind kind : {layout::SheetKind::Student, layout::SheetKind::Teacher}) {
    int pages = 0;
    const int count = layout::LaySheet(worksheet, kind, layout, measure, 0,
                                       PageChecker(layout, pages, PageLimit(inputBytes)));
    Check(count == pages, "the layout counts " + std::to_string(count) + " pages and hands over " +
                              std::to_string(pages));
  }
}

bool CheckLaysOutFiles(const std::filesystem::path& student,
                       const std::optional<std::filesystem::path>& teacher,
                       const sheet::PrintLayout& layout, std::size_t inputBytes,
                       bool againTeacher) {
  const layout::TextMeasure& measure = layout::SheetFontWidths();
  const std::size_t limit = PageLimit(inputBytes);
  try {
    for (const layout::SheetKind kind : {layout::SheetKind::Student, layout::SheetKind::Teacher}) {
      if (kind == layout::SheetKind::Teacher && !teacher) continue;
      int counted = 0;
      const int count = layout::LaySheet(student, teacher, kind, layout, measure, 0,
                                         PageChecker(layout, counted, limit));
      Check(count == counted, "the layout counts " + std::to_string(count) +
                                  " pages and hands over " + std::to_string(counted));
      if ((kind == layout::SheetKind::Teacher) != (againTeacher && teacher)) continue;
      int laid = 0;
      const int again = layout::LaySheet(student, teacher, kind, layout, measure, count,
                                         PageChecker(layout, laid, limit));
      Check(again == laid && count == again,
            "counted " + std::to_string(count) + " pages, then laid out " + std::to_string(again));
    }
  } catch (const IoError&) {
    return false;
  }
  return true;
}

}  // namespace mathsheets::fuzz
