#include "sheet/pair_reader.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "sheet/read_worksheet.h"

namespace mathsheets::sheet {

namespace {

// Runs `action`, naming `file` in the IoError it throws.
template <class Action>
auto Guarded(const std::filesystem::path& file, Action action) {
  try {
    return action();
  } catch (const SheetFileError&) {
    throw;
  } catch (const IoError& e) {
    throw SheetFileError(e, file);
  }
}

const std::string kNoStamp;

constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kTwinPrefixes = {
    {{"ajobs_", "ajobt_"}, {"zjobs_", "zjobt_"}}};

}  // namespace

std::optional<std::filesystem::path> TwinFileOf(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  for (const auto& [student, teacher] : kTwinPrefixes) {
    if (name.starts_with(student))
      return file.parent_path() / (std::string(teacher) + name.substr(student.size()));
    if (name.starts_with(teacher))
      return file.parent_path() / (std::string(student) + name.substr(teacher.size()));
  }
  return std::nullopt;
}

bool IsTeacherFileName(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  return std::any_of(kTwinPrefixes.begin(), kTwinPrefixes.end(),
                     [&name](const auto& prefixes) { return name.starts_with(prefixes.second); });
}

SheetFileError::SheetFileError(const IoError& error, const std::filesystem::path& file)
    : IoError(error.code()), message_(std::string(error.what()) + ": " + file.string()) {}

PairReader::PairReader(const std::filesystem::path& student,
                       const std::optional<std::filesystem::path>& teacher)
    : studentPath_(student), teacherPath_(teacher.value_or(std::filesystem::path())) {
  student_ = Guarded(studentPath_, [&] { return std::make_unique<VariantReader>(student); });
  if (teacher)
    teacher_ = Guarded(teacherPath_, [&] { return std::make_unique<VariantReader>(*teacher); });
}

PairReader::~PairReader() = default;

const std::string& PairReader::StudentStamp() const {
  return student_->Stamp();
}

const std::string& PairReader::TeacherStamp() const {
  return teacher_ ? teacher_->Stamp() : kNoStamp;
}

Worksheet PairReader::Preamble() const {
  return Model(student_->Preamble(), teacher_ ? teacher_->Preamble() : std::vector<std::string>());
}

bool PairReader::Next(Worksheet& model) {
  const bool s = Guarded(studentPath_, [&] { return student_->Next(studentLines_); });
  const bool t = teacher_ && Guarded(teacherPath_, [&] { return teacher_->Next(teacherLines_); });
  if (!s && !t) return false;
  if (!s) studentLines_.clear();
  if (!t) teacherLines_.clear();
  model = Model(studentLines_, teacherLines_);
  return true;
}

Worksheet PairReader::Model(const std::vector<std::string>& student,
                            const std::vector<std::string>& teacher) const {
  std::vector<std::string> s{student_->Stamp()};
  s.insert(s.end(), student.begin(), student.end());
  if (!teacher_) return ReadStudentWorksheet(s);
  std::vector<std::string> t{teacher_->Stamp()};
  t.insert(t.end(), teacher.begin(), teacher.end());
  return ReadWorksheet(s, t);
}

}  // namespace mathsheets::sheet
