// What the page and its run worker call in the core: one module per side, the page keeping the
// selection as the windows do and the worker writing the files of a run into its memory file
// system. Texts cross as UTF-8; lists cross as JavaScript arrays.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <cstdint>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/io_error.h"
#include "common/random.h"
#include "generators/registry.h"
#include "shell/catalog.h"
#include "shell/example_files.h"
#include "shell/main_run.h"
#include "shell/main_selection.h"
#include "shell/sample_preview.h"
#include "windows/catalog_pages.h"
#include "wordproblems/problem_catalog.h"
#include "wordproblems/problem_run.h"
#include "worksheet/read_count.h"
#include "worksheet/worksheet_files.h"

namespace mathsheets::web {

namespace {

using emscripten::val;

// The working folder inside the memory file system: gen/ for runs, gen5/ for the example files.
const std::filesystem::path kWorkdir = "/work";

// The headings of the page's type list, in the order of the enum.
constexpr std::string_view kFamilyCaptions[] = {
    "Действия с натуральными числами",
    "Обыкновенные дроби",
    "Делимость",
    "Уравнения",
    "Десятичные дроби",
    "Среднее, проценты, части, пропорции",
    "Именованные величины",
    "Буквенные выражения",
    "Римские цифры",
    "Окружность и круг",
    "Выражения",
    "Положительные и отрицательные числа",
};

// What the page shows of the main window and of the word-problem window.
struct PageState {
  Pcg32 random;
  std::unique_ptr<MainModule> main = std::make_unique<MainModule>(random);
  std::unique_ptr<MainSelection> selection = std::make_unique<MainSelection>(*main);
  ProblemModule problems{random};
};

PageState& Page() {
  static PageState state;
  return state;
}

std::string Text(std::string_view text) {
  return std::string(text);
}

val Lines(const std::vector<std::string>& lines) {
  val array = val::array();
  for (const std::string& line : lines) array.call<void>("push", line);
  return array;
}

// The message box text of a failure, for the page to show.
std::string FailureText(const std::exception& e) {
  if (const auto* io = dynamic_cast<const IoError*>(&e)) return io->BoxText();
  return std::string(e.what()) + ".";
}

void PrepareWorkdir() {
  std::filesystem::create_directories(kWorkdir / "gen");
  std::filesystem::create_directories(kWorkdir / "gen5");
}

// Reports progress to `report` at most every 100 ms, and always at the end.
ProgressHook Reporter(val report) {
  auto last = std::make_shared<double>(-1e9);
  return [report, last](const RunProgress& p) {
    const double now = emscripten_get_now();
    if (now - *last >= 100 || p.written == p.total) {
      *last = now;
      report(static_cast<double>(p.written), static_cast<double>(p.total));
    }
    return true;
  };
}

val RunOutcome(const std::filesystem::path& student, const std::filesystem::path& teacher,
               std::int64_t written, std::int64_t asked) {
  val result = val::object();
  result.set("studentPath", student.string());
  result.set("teacherPath", teacher.string());
  result.set("studentName", student.filename().string());
  result.set("teacherName", teacher.filename().string());
  result.set("written", static_cast<double>(written));
  result.set("asked", static_cast<double>(asked));
  return result;
}

val Failure(const std::exception& e) {
  val result = val::object();
  result.set("error", FailureText(e));
  return result;
}

}  // namespace

// Seeds the page's random source (the windows seed theirs from the clock) and writes the example
// files the type buttons show.
void Start(std::uint32_t seed) {
  Page().random.Seed(seed);
  PrepareWorkdir();
  WriteExampleFiles(kWorkdir / "gen5");
}

// The catalog of both windows and their help texts.
val Catalog() {
  val types = val::array();
  for (const TaskKind& kind : kTaskCatalog) {
    val type = val::object();
    type.set("number", kind.Number);
    type.set("caption", Text(kind.Caption));
    type.set("family", static_cast<int>(kind.family));
    type.set("ready", FindTaskGenerator(kind.Number) != nullptr);
    types.call<void>("push", type);
  }
  val families = val::array();
  for (std::string_view caption : kFamilyCaptions) families.call<void>("push", Text(caption));
  val groups = val::array();
  for (const OptionGroupInfo& info : kOptionGroups) {
    val group = val::object();
    group.set("name", Text(info.name));
    group.set("firstRadioButton", info.firstRadioButton);
    group.set("buttons", info.buttons);
    groups.call<void>("push", group);
  }
  val problems = val::array();
  for (const TWordProblem& problem : WordProblemCatalog()) {
    val item = val::object();
    item.set("index", problem.Index);
    item.set("caption", Text(problem.Caption));
    item.set("ready", problem.Generator != nullptr);
    problems.call<void>("push", item);
  }
  val mainHelp = val::array();
  for (std::string_view line : MainHelpLines()) mainHelp.call<void>("push", Text(line));
  val problemHelp = val::array();
  for (std::string_view line : WordProblemHelpLines()) problemHelp.call<void>("push", Text(line));
  val catalog = val::object();
  catalog.set("types", types);
  catalog.set("families", families);
  catalog.set("groups", groups);
  catalog.set("problems", problems);
  catalog.set("mainHelp", mainHelp);
  catalog.set("problemHelp", problemHelp);
  return catalog;
}

// The main window, as the teacher works it: fresh at start, every click and every change of a
// box passed to the selection as the window passes it.
void MainFresh() {
  PageState& page = Page();
  page.selection.reset();
  page.main = std::make_unique<MainModule>(page.random);
  page.selection = std::make_unique<MainSelection>(*page.main);
}

bool MainCheckBox(int taskNumber) {
  Page().selection->CheckBoxClick(taskNumber);
  return Page().selection->CountBoxEnabled(taskNumber);
}

// Returns the count the box now holds for the run.
int MainCountBox(int taskNumber, const std::string& text) {
  Page().selection->CountBoxChange(taskNumber, text);
  return Page().main->TaskCount[static_cast<std::size_t>(taskNumber - 1)];
}

int MainVariants(const std::string& text) {
  Page().selection->VariantsChange(text);
  return Page().main->VariantCount;
}

void MainLevel(const std::string& group, int k) {
  const auto found = OptionGroupByName(group);
  if (found) Page().selection->RadioButtonClick(*found, k);
}

int CountOf(const std::string& text) {
  return ReadCount(text);
}

// Everything a run of the main window reads, for the run worker.
val MainState() {
  const MainModule& m = *Page().main;
  val counts = val::array();
  for (std::int32_t count : m.TaskCount) counts.call<void>("push", count);
  val state = val::object();
  state.set("counts", counts);
  state.set("variantsText", Page().selection->VariantsText());
  state.set("variants", m.VariantCount);
  state.set("gcd", m.GcdLevel);
  state.set("fraction", m.FractionLevel);
  state.set("muldiv", m.MulDivLevel);
  state.set("mixed", m.MixedLevel);
  state.set("mixedmuldiv", m.MixedMulDivLevel);
  state.set("widePrimes", m.WidePrimes);
  return state;
}

// The six sample boxes of a type.
val Sample(int taskNumber) {
  val result = val::object();
  try {
    const SampleBoxes boxes = ReadSamples(kWorkdir, TaskKindByNumber(taskNumber).sample);
    result.set("student", Lines({boxes.student.begin(), boxes.student.end()}));
    result.set("teacher", Lines({boxes.teacher.begin(), boxes.teacher.end()}));
  } catch (const std::exception& e) {
    result.set("error", FailureText(e));
  }
  return result;
}

// The word-problem window: a click on check box `index`, and one on its button.
void ProblemsFresh() {
  Page().problems.Selected.fill(0);
}

bool ProblemToggle(int index) {
  ToggleSelected(Page().problems, index);
  return Page().problems.Selected[static_cast<std::size_t>(index - 1)] != 0;
}

val ProblemSelection() {
  val selected = val::array();
  for (const TWordProblem& problem : WordProblemCatalog())
    if (Page().problems.Selected[static_cast<std::size_t>(problem.Index - 1)] != 0)
      selected.call<void>("push", problem.Index);
  return selected;
}

val ProblemPreview(int index) {
  val result = val::object();
  try {
    result.set("lines", Lines(PreviewProblem(Page().problems, index)));
  } catch (const std::exception& e) {
    result.set("error", FailureText(e));
  }
  return result;
}

// One press of "Выполнить" of the main window in the run worker, seeded with `seed`.
val RunMain(val state, std::uint32_t seed, val report) {
  try {
    PrepareWorkdir();
    Pcg32 random(seed);
    MainModule m(random);
    MainSelection selection(m);
    const val counts = state["counts"];
    for (std::size_t i = 0; i < m.TaskCount.size(); ++i)
      m.TaskCount[i] = counts[i].as<std::int32_t>();
    selection.VariantsChange(state["variantsText"].as<std::string>());
    m.GcdLevel = state["gcd"].as<std::int32_t>();
    m.FractionLevel = state["fraction"].as<std::int32_t>();
    m.MulDivLevel = state["muldiv"].as<std::int32_t>();
    m.MixedLevel = state["mixed"].as<std::int32_t>();
    m.MixedMulDivLevel = state["mixedmuldiv"].as<std::int32_t>();
    m.WidePrimes = state["widePrimes"].as<bool>();
    const RunResult r = RunMainWorksheet(selection, kWorkdir, CurrentLocalDateTime(), Reporter(report));
    return RunOutcome(r.studentPath, r.teacherPath, r.variantsWritten, r.variantsAsked);
  } catch (const std::exception& e) {
    return Failure(e);
  }
}

// One press of "Выполнить" of the word-problem window in the run worker.
val RunProblems(val selected, const std::string& variantsText, std::uint32_t seed, val report) {
  try {
    PrepareWorkdir();
    Pcg32 random(seed);
    ProblemModule m(random);
    const auto count = selected["length"].as<std::size_t>();
    for (std::size_t i = 0; i < count; ++i) ToggleSelected(m, selected[i].as<int>());
    const ProblemRunResult r =
        RunProblemWorksheet(m, variantsText, kWorkdir, CurrentLocalDateTime(), Reporter(report));
    return RunOutcome(r.studentPath, r.teacherPath, r.variantsWritten, r.variantsAsked);
  } catch (const std::exception& e) {
    return Failure(e);
  }
}

EMSCRIPTEN_BINDINGS(mathsheets) {
  emscripten::function("Start", &Start);
  emscripten::function("Catalog", &Catalog);
  emscripten::function("MainFresh", &MainFresh);
  emscripten::function("MainCheckBox", &MainCheckBox);
  emscripten::function("MainCountBox", &MainCountBox);
  emscripten::function("MainVariants", &MainVariants);
  emscripten::function("MainLevel", &MainLevel);
  emscripten::function("MainState", &MainState);
  emscripten::function("CountOf", &CountOf);
  emscripten::function("Sample", &Sample);
  emscripten::function("ProblemsFresh", &ProblemsFresh);
  emscripten::function("ProblemToggle", &ProblemToggle);
  emscripten::function("ProblemSelection", &ProblemSelection);
  emscripten::function("ProblemPreview", &ProblemPreview);
  emscripten::function("RunMain", &RunMain);
  emscripten::function("RunProblems", &RunProblems);
}

}  // namespace mathsheets::web
