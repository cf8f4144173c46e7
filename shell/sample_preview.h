#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "common/random.h"

namespace mathsheets {

// The example files of sample N: gen5/nbNs.txt (student) and gen5/nbNt.txt (teacher).
std::filesystem::path StudentSamplePath(const std::filesystem::path& workdir, int sample);
std::filesystem::path TeacherSamplePath(const std::filesystem::path& workdir, int sample);

// What the six sample boxes show: student lines 1..3 (Edit44..46), teacher lines 1..3
// (Edit47..49).
struct SampleBoxes {
  std::array<std::string, 3> student;
  std::array<std::string, 3> teacher;
};

// Reads both example files of `sample` (Windows-1251, at most 80 characters of a line) into the
// boxes. The teacher side may show one line more than the student file has. Throws IoError:
// "File not found" for a missing file, "File access denied" for a folder of that name; both files
// are closed whatever happens.
SampleBoxes ReadSamples(const std::filesystem::path& workdir, int sample);

// The four colour schemes of the web-address labels.
enum class WebLabelScheme { AquaOnWhite = 1, FuchsiaOnMenu, LimeOnYellow, BlueOnYellow };

// Trunc((Random(39) + 10) / 10): 1..4, the last a little rarer.
WebLabelScheme DrawWebLabelScheme(RandomSource& random);

}  // namespace mathsheets
