#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// "pdf FILE.txt... [--out FILE.pdf]": the PDF of each worksheet file, beside it by default.
int PdfCommand(const Arguments& args);
// "--pdf" of a run: the PDFs of both files beside them, their paths printed student first.
int WriteRunPdfs(const std::filesystem::path& studentFile,
                 const std::filesystem::path& teacherFile);

}  // namespace mathsheets::cli
