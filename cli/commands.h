#pragma once

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/random.h"
#include "run_control.h"
#include "sets/worksheet_set.h"
#include "sheet/print_layout.h"
#include "shell/main_selection.h"
#include "wordproblems/problem_module.h"

namespace mathsheets::cli {

using Arguments = std::vector<std::string_view>;

// Exit codes of every command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitIoError = 1;
inline constexpr int kExitUsage = 2;

struct UsageError {
  std::string message;
};

// "--seed N": a whole number 0..2^32-1.
std::optional<std::uint32_t> ParseSeed(std::string_view text);

int ListCommand(const Arguments& args);
int MainCommand(const Arguments& args);

int ListProblemsCommand(const Arguments& args);
int ProblemsCommand(const Arguments& args);
int PreviewCommand(const Arguments& args);

// "run FILE.mathsheet [--dir DIR] [--pdf]": the run a saved set describes, with its seed.
int RunCommand(const Arguments& args);

// "results SET.mathsheet FILE... [--out FILE.csv]": the pupils' result codes pasted into the files
// judged against the set's sheets, as the table of the page's "Результаты" tab in CSV.
int ResultsCommand(const Arguments& args);

// The seed of a run: the one given, or one drawn from the clock; either way the run is seeded
// with it, so that the set it saves makes the same files again.
std::uint32_t RunSeed(const std::optional<std::uint32_t>& given);

// "--save-set FILE": writes `set`; returns 0, or 1 after telling why on standard error.
int SaveSet(const std::filesystem::path& file, const sets::WorksheetSet& set);

// What a run writes besides its two text files: "--pdf", "--docx".
struct SheetDocuments {
  bool pdf = false;
  bool docx = false;
};

// The run of the main window or of the word-problem window, seeded with `seed`: prints both paths,
// and those of the documents asked for; returns the exit code.
int RunMainSelection(MainSelection& selection, Pcg32& random, std::uint32_t seed,
                     const std::filesystem::path& dir, SheetDocuments documents,
                     const sheet::PrintLayout& layout);
int RunProblemSelection(ProblemModule& module, Pcg32& random, std::uint32_t seed,
                        std::string_view variants, const std::filesystem::path& dir,
                        SheetDocuments documents, const sheet::PrintLayout& layout);

// The choices of a printed sheet: "--per-page auto|1|2|4", "--columns auto|1|2|3", "--large",
// "--no-key", "--paper a4|a5", "--title TEXT". True when args[i] was one of them (and its value is consumed).
bool ParsePrintOption(const Arguments& args, std::size_t& i, sheet::PrintLayout& layout);

// "pdf STUDENT.txt [TEACHER.txt] [--out-dir DIR]": the typeset sheets of a pair, beside the files
// by default; the teacher file is found beside the student file by its name.
int PdfCommand(const Arguments& args);
// "--pdf" of a run: the PDFs of both files beside them, their paths printed student first.
int WriteRunPdfs(const std::filesystem::path& studentFile, const std::filesystem::path& teacherFile,
                 const sheet::PrintLayout& layout);

// The pair of a `pdf` or `docx` command: the two files given, or the one given and the other of
// its pair beside it by name when it is there; the student's file first.
struct InputPair {
  std::filesystem::path student;
  std::optional<std::filesystem::path> teacher;
};
InputPair PairOfInputs(const std::vector<std::filesystem::path>& inputs);

// "docx STUDENT.txt [TEACHER.txt] [--out-dir DIR]": the Word documents of a pair, as `pdf`.
int DocxCommand(const Arguments& args);
// "--docx" of a run: the Word documents of both files beside them, their paths printed student
// first.
int WriteRunDocxs(const std::filesystem::path& studentFile,
                  const std::filesystem::path& teacherFile, const sheet::PrintLayout& layout);

// The end of a run of `main` or `problems`: its report, then, for a whole run, the PDFs of its
// files with "--pdf" and its Word documents with "--docx". A run stopped by a signal ends with its
// report.
template <typename Result>
int FinishRun(RunControl& control, const Result& result, SheetDocuments documents,
              const sheet::PrintLayout& layout) {
  int code = control.Report(result, std::cout);
  if (code == kExitSuccess && documents.pdf)
    code = WriteRunPdfs(result.studentPath, result.teacherPath, layout);
  if (code == kExitSuccess && documents.docx)
    code = WriteRunDocxs(result.studentPath, result.teacherPath, layout);
  return code;
}

}  // namespace mathsheets::cli
