#include "ui/printing/print_settings.h"

#include <string>
#include <utility>

namespace mathsheets::ui {

namespace {

constexpr const char* kPerPage = "print/per-page";
constexpr const char* kColumns = "print/columns";
constexpr const char* kLarge = "print/large";
constexpr const char* kKey = "print/key";
constexpr const char* kPaper = "print/paper";
constexpr const char* kTitle = "print/title";

std::string Text(QSettings& settings, const char* key) {
  return settings.value(key).toString().toStdString();
}

// "1" and "0" only: anything else leaves the default.
bool Flag(QSettings& settings, const char* key, bool fallback) {
  const std::string text = Text(settings, key);
  if (text == "1") return true;
  if (text == "0") return false;
  return fallback;
}

}  // namespace

sheet::PrintLayout LoadPrintLayout(QSettings& settings) {
  sheet::PrintLayout layout;
  layout.perPage = sheet::ParseVariantsPerPage(Text(settings, kPerPage)).value_or(layout.perPage);
  layout.columns = sheet::ParseExerciseColumns(Text(settings, kColumns)).value_or(layout.columns);
  layout.largePrint = Flag(settings, kLarge, layout.largePrint);
  layout.answerKey = Flag(settings, kKey, layout.answerKey);
  layout.paper = sheet::ParsePaper(Text(settings, kPaper)).value_or(layout.paper);
  // A title edited into the settings file by hand is taken only when a sheet can print it.
  std::string title = Text(settings, kTitle);
  if (!sheet::TitleFaultOf(title)) layout.title = std::move(title);
  return layout;
}

void SavePrintLayout(QSettings& settings, const sheet::PrintLayout& layout) {
  const auto text = [](std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  };
  settings.setValue(kPerPage, text(sheet::VariantsPerPageName(layout.perPage)));
  settings.setValue(kColumns, text(sheet::ExerciseColumnsName(layout.columns)));
  settings.setValue(kLarge, layout.largePrint ? "1" : "0");
  settings.setValue(kKey, layout.answerKey ? "1" : "0");
  settings.setValue(kPaper, text(sheet::PaperName(layout.paper)));
  settings.setValue(kTitle, QString::fromStdString(layout.title));
  settings.sync();
}

QSettings& ProgramSettings() {
  static QSettings settings(QSettings::IniFormat, QSettings::UserScope, "mathsheets", "mathsheets");
  return settings;
}

}  // namespace mathsheets::ui
