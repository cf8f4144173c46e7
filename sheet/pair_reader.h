#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/io_error.h"
#include "sheet/variant_reader.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::sheet {

// The teacher's file of a student's file by its name, ajobs_ → ajobt_, zjobs_ → zjobt_, and back;
// nothing when the name is neither.
std::optional<std::filesystem::path> TwinFileOf(const std::filesystem::path& file);
bool IsTeacherFileName(const std::filesystem::path& file);

// A failed read or write of one of a sheet's files, its path in the message.
class SheetFileError : public IoError {
 public:
  SheetFileError(const IoError& error, const std::filesystem::path& file);
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// Both files of a pair read a variant at a time, so that a pair of any length needs the memory of
// one variant; their variants are matched in order, and the model says what of a variant the two
// files do not share. Without a teacher file the pupil's file is read alone. Throws SheetFileError.
class PairReader {
 public:
  PairReader(const std::filesystem::path& student,
             const std::optional<std::filesystem::path>& teacher);
  ~PairReader();
  PairReader(const PairReader&) = delete;
  PairReader& operator=(const PairReader&) = delete;

  const std::string& StudentStamp() const;
  const std::string& TeacherStamp() const;

  // The lines before the first header, which only a hand edit leaves, as a model's preamble.
  Worksheet Preamble() const;

  // The next variant (or, for a pair that does not match, what the model made of it); false
  // after the last one.
  bool Next(Worksheet& model);

 private:
  Worksheet Model(const std::vector<std::string>& student,
                  const std::vector<std::string>& teacher) const;

  std::filesystem::path studentPath_;
  std::filesystem::path teacherPath_;
  std::unique_ptr<VariantReader> student_;
  std::unique_ptr<VariantReader> teacher_;
  std::vector<std::string> studentLines_;
  std::vector<std::string> teacherLines_;
};

}  // namespace mathsheets::sheet
