// What the page and its run worker call in the core: one module per side, the page keeping the
// selection as the windows do and the worker writing the files of a run into its memory file
// system. Texts cross as UTF-8; lists cross as JavaScript arrays.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp1251.h"
#include "common/io_error.h"
#include "common/random.h"
#include "generators/registry.h"
#include "page_values.h"
#include "sets/set_selection.h"
#include "sets/worksheet_set.h"
#include "sheet/print_layout.h"
#include "sheet/read_worksheet.h"
#include "shell/catalog.h"
#include "shell/example_files.h"
#include "shell/main_run.h"
#include "shell/main_selection.h"
#include "shell/sample_preview.h"
#include "windows/catalog_pages.h"
#include "wordproblems/problem_catalog.h"
#include "wordproblems/problem_run.h"
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

val Lines(const std::vector<std::string>& lines) {
  val array = val::array();
  for (const std::string& line : lines) array.call<void>("push", line);
  return array;
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

// The items of a set's text ("count=1:5,44:2"), a list's entries apart: {"count", {"1:5", "44:2"}}.
struct SetItem {
  std::string key;
  std::vector<std::string> entries;
};

std::string SetText(std::string_view kind, const std::vector<SetItem>& items) {
  std::string text(kind);
  char separator = '?';
  for (const SetItem& item : items) {
    if (item.entries.empty()) continue;
    text += separator;
    separator = '&';
    text += item.key;
    for (std::size_t i = 0; i < item.entries.size(); ++i) {
      text += i == 0 ? '=' : ',';
      text += item.entries[i];
    }
  }
  return text;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find(separator, start), text.size());
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// A set from an address: what the core reads is used, and every item it refuses is left out and
// named. The text is only cut at the set's separators here; whether an item is good is the
// core's reading of the set with that item added, so the page and a set file never disagree.
sets::WorksheetSet TolerantSet(std::string_view text, std::vector<std::string>& refused) {
  if (text.starts_with('#')) text.remove_prefix(1);
  const sets::SetParseResult whole = sets::TryParseSet(text);
  if (whole.ok) return whole.set;
  const std::size_t question = text.find('?');
  const std::string_view kind = text.substr(0, question);
  std::vector<SetItem> accepted;
  const sets::SetParseResult bare = sets::TryParseSet(kind);
  if (!bare.ok) {
    refused.push_back(bare.error);
    return {};
  }
  if (question == std::string_view::npos) return bare.set;
  for (const std::string_view item : Split(text.substr(question + 1), '&')) {
    if (item.empty()) continue;
    const std::size_t eq = item.find('=');
    const std::string key(item.substr(0, eq));
    auto slot = std::find_if(accepted.begin(), accepted.end(),
                             [&](const SetItem& a) { return a.key == key; });
    if (slot == accepted.end()) slot = accepted.insert(accepted.end(), SetItem{key, {}});
    const std::vector<std::string_view> entries = eq == std::string_view::npos
                                                      ? std::vector<std::string_view>{}
                                                      : Split(item.substr(eq + 1), ',');
    if (eq == std::string_view::npos) {
      // A key without a value: the core names it.
      std::vector<SetItem> trial = accepted;
      const sets::SetParseResult r = sets::TryParseSet(SetText(kind, trial) + "&" + key);
      if (!r.ok) refused.push_back(r.error);
      continue;
    }
    for (const std::string_view entry : entries) {
      slot->entries.emplace_back(entry);
      const sets::SetParseResult r = sets::TryParseSet(SetText(kind, accepted));
      if (!r.ok) {
        refused.push_back(r.error);
        slot->entries.pop_back();
      }
    }
  }
  const sets::SetParseResult r = sets::TryParseSet(SetText(kind, accepted));
  return r.ok ? r.set : bare.set;
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
    const RunResult r =
        RunMainWorksheet(selection, kWorkdir, CurrentLocalDateTime(), Reporter(report));
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

// Fills the page's selection from the set an address holds, as the teacher would tick and type it,
// and tells the page what to show: the set's items, and a message for each item left out.
val ReadSet(const std::string& text) {
  std::vector<std::string> refused;
  const sets::WorksheetSet set = TolerantSet(text, refused);
  val result = val::object();
  result.set("refused", Lines(refused));
  result.set("kind", set.kind == sets::SetKind::Main ? "main" : "problems");
  if (set.seed) result.set("seed", *set.seed);
  result.set("variants", set.variants);
  result.set("layout", LayoutValue(set.layout));
  if (set.kind == sets::SetKind::Main) {
    MainFresh();
    sets::ApplyMainSet(set, *Page().selection);
    val counts = val::array();
    for (const sets::TypeCount& c : set.counts) {
      val count = val::object();
      count.set("type", c.type);
      count.set("text", c.text);
      count.set("count", Page().main->TaskCount[static_cast<std::size_t>(c.type - 1)]);
      counts.call<void>("push", count);
    }
    result.set("counts", counts);
    val levels = val::array();
    for (const sets::GroupLevel& l : set.levels) {
      val level = val::object();
      level.set("group", Text(kOptionGroups[static_cast<std::size_t>(l.group)].name));
      level.set("button", l.button);
      levels.call<void>("push", level);
    }
    result.set("levels", levels);
  } else {
    sets::ApplyProblemSet(set, Page().problems);
    result.set("problems", ProblemSelection());
  }
  return result;
}

// The set of the page's selection for one window, with the seed of its run: the address of the
// sheet.
std::string SetOfPage(const std::string& kind, std::uint32_t seed, const std::string& variantsText,
                      val layout) {
  sets::WorksheetSet set = kind == "main" ? sets::MainSetOf(*Page().selection)
                                          : sets::ProblemSetOf(Page().problems, variantsText);
  set.seed = seed;
  set.layout = LayoutOf(layout);
  return sets::FormatSet(set);
}

EMSCRIPTEN_BINDINGS(mathsheets) {
  emscripten::function("ReadSet", &ReadSet);
  emscripten::function("SetOfPage", &SetOfPage);
  emscripten::function("Start", &Start);
  emscripten::function("Catalog", &Catalog);
  emscripten::function("MainFresh", &MainFresh);
  emscripten::function("MainCheckBox", &MainCheckBox);
  emscripten::function("MainCountBox", &MainCountBox);
  emscripten::function("MainVariants", &MainVariants);
  emscripten::function("MainLevel", &MainLevel);
  emscripten::function("MainState", &MainState);
  emscripten::function("Sample", &Sample);
  emscripten::function("ProblemsFresh", &ProblemsFresh);
  emscripten::function("ProblemToggle", &ProblemToggle);
  emscripten::function("ProblemSelection", &ProblemSelection);
  emscripten::function("ProblemPreview", &ProblemPreview);
  emscripten::function("RunMain", &RunMain);
  emscripten::function("RunProblems", &RunProblems);
}

}  // namespace mathsheets::web
