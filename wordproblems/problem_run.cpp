#include "wordproblems/problem_run.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string>

#include "wordproblems/animation.h"
#include "worksheet/read_count.h"

namespace mathsheets {

namespace {

constexpr int kUkrainianTaskLineIndex = 184;  // B86

// Every generator makes the whole instance; the lines' strings stay from one problem to the next
// so that those written in place need no new memory.
void Generate(ProblemModule& m, const TWordProblem& problem) {
  if (problem.Generator == nullptr) {
    m.instance = {};
    return;
  }
  problem.Generator(m);
}

}  // namespace

void ToggleSelected(ProblemModule& m, int index) {
  std::int32_t& flag = m.Selected[static_cast<std::size_t>(WordProblemByIndex(index).Index - 1)];
  flag = flag == 0 ? 1 : 0;
}

void GenerateProblem(ProblemModule& m, int index) {
  Generate(m, WordProblemByIndex(index));
}

const std::vector<std::string>& PreviewProblem(ProblemModule& m, int index) {
  GenerateProblem(m, index);
  return m.instance.Preview();
}

TaskLine::TaskLine(std::string_view word, std::int32_t k) {
  char* const end = std::copy(word.begin(), word.end(), text_);
  size_ = static_cast<std::size_t>(std::to_chars(end, text_ + sizeof text_, k).ptr - text_);
}

TaskLine StudentTaskLine(int index, std::int32_t k) {
  return {index == kUkrainianTaskLineIndex ? "Завдання " : "Задание ", k};
}

TaskLine TeacherTaskLine(std::int32_t k) {
  return {"Задание ", k};
}

VariantsOutcome WriteProblemVariants(ProblemModule& m, std::int32_t variants, WorksheetFiles& files,
                                     std::span<const TWordProblem> catalog,
                                     const ProgressHook& progress) {
  if (catalog.size() != static_cast<std::size_t>(kWordProblemCount))
    throw std::invalid_argument("a word-problem catalog holds every problem");
  // The template problems write their lines in Windows-1251 while the run lasts.
  struct EncodingForFiles {
    explicit EncodingForFiles(ProblemModule& module) : m(module) { m.encodeFileLines = true; }
    ~EncodingForFiles() { m.encodeFileLines = false; }
    EncodingForFiles(const EncodingForFiles&) = delete;
    EncodingForFiles& operator=(const EncodingForFiles&) = delete;
    ProblemModule& m;
  } encoding(m);
  return WriteVariants(variants, progress, [&](std::int64_t v) {
    std::int32_t k = 0;
    const std::string header = "Вариант № " + std::to_string(v);
    files.WriteBoth(header, header);
    for (int index = kWordProblemCount; index >= 1; --index) {
      const TWordProblem& problem = catalog[static_cast<std::size_t>(index - 1)];
      if (m.Selected[static_cast<std::size_t>(index - 1)] != 1) continue;
      if (problem.Generator == nullptr) continue;
      ++k;
      files.WriteBoth(StudentTaskLine(index, k).view(), TeacherTaskLine(k).view());
      Generate(m, problem);
      for (const std::string& line : m.instance.fileLines) {
        if (m.instance.fileLinesEncoded)
          files.WriteBothEncoded(line);
        else
          files.WriteBoth(line, line);
      }
      files.TeacherFile.WriteLine(m.instance.answerLine);
    }
    files.WriteBoth(" ", " ");
    return true;
  });
}

ProblemRunResult RunProblemWorksheet(ProblemModule& m, std::string_view variantsText,
                                     const std::filesystem::path& workdir, const LocalDateTime& now,
                                     const ProgressHook& progress) {
  auto pair = OpenWorksheetFiles(workdir, "gen\\zjobs_", "gen\\zjobt_", now);
  ProblemRunResult result{pair->studentPath(), pair->teacherPath()};
  result.variantsAsked = ReadCount(variantsText);
  const VariantsOutcome outcome =
      WriteProblemVariants(m, static_cast<std::int32_t>(result.variantsAsked), pair->Files(),
                           WordProblemCatalog(), progress);
  result.variantsWritten = outcome.written;
  result.end = outcome.end;
  pair->Close();
  // The animation celebrates a finished worksheet, not one the teacher stopped.
  if (result.end == RunEnd::Completed) StartAnimation(m);
  return result;
}

}  // namespace mathsheets
