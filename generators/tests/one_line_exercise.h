#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/worksheet_output.h"
#include "generators/registry.h"
#include "testing/scripted_random.h"

namespace mathsheets::testing {

// One exercise of a type that writes one line to each file, the teacher's line starting with the
// student's.
struct Exercise {
  std::string student;
  std::string teacher;
  // The teacher line past the student line.
  std::string Answer() const { return teacher.substr(student.size()); }
};

inline Exercise Generate(int type, RandomSource& random) {
  MainModule m(random);
  MemoryWorksheet sheet;
  const TaskGenerator generator = FindTaskGenerator(type);
  EXPECT_NE(generator, nullptr) << "type " << type;
  if (generator == nullptr) return {};
  generator(m, sheet.files);
  EXPECT_EQ(sheet.student.lines.size(), 1U);
  EXPECT_EQ(sheet.teacher.lines.size(), 1U);
  Exercise e{sheet.student.lines.at(0), sheet.teacher.lines.at(0)};
  EXPECT_EQ(e.teacher.rfind(e.student, 0), 0U) << e.teacher;
  return e;
}

// The teacher line of one exercise drawn from `draws`, every one of which must be used.
inline std::string RunScript(int type, std::vector<ScriptedDraw> draws) {
  ScriptedRandom random(std::move(draws));
  const Exercise e = Generate(type, random);
  random.ExpectAllDrawn();
  return e.teacher;
}

}  // namespace mathsheets::testing
