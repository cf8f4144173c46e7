#include "ui/main_window.h"

#include <sys/stat.h>

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <set>

#include "sets/set_file.h"
#include "shell/catalog.h"
#include "testing/worksheet_reading.h"
#include "ui/problem_window.h"
#include "ui/widgets/run_progress_dialog.h"

using namespace mathsheets;
using namespace mathsheets::ui;

namespace {

// A working folder with the pictures the build drew, less those named in `without`.
std::filesystem::path PreparedWorkdir(const std::string& name, bool withGen,
                                      std::initializer_list<const char*> without = {}) {
  const auto dir = testing::FreshWorkdir("window_" + name, withGen);
  const char* pictures = std::getenv("MATHSHEETS_TEST_WORKDIR");
  if (pictures != nullptr)
    for (const auto& entry : std::filesystem::directory_iterator(pictures))
      if (entry.path().extension() == ".bmp") std::filesystem::copy(entry.path(), dir);
  if (pictures != nullptr)
    std::filesystem::copy(std::filesystem::path(pictures) / "gen5", dir / "gen5");
  for (const char* picture : without) std::filesystem::remove(dir / picture);
  return dir;
}

// Every window of these tests draws from this seed, so a failure replays the same numbers.
constexpr std::uint64_t kSeed = 20161210;

// The worksheet files of gen/, by name.
std::set<std::filesystem::path> GenFiles(const std::filesystem::path& dir) {
  std::set<std::filesystem::path> files;
  for (const auto& e : std::filesystem::directory_iterator(dir / "gen")) files.insert(e.path());
  return files;
}

std::string AfterStamp(const std::filesystem::path& file) {
  const std::string bytes = testing::FileBytes(file);
  return bytes.substr(bytes.find('\n') + 1);
}

// What a run of the main window reads of its module.
auto RunState(const MainModule& m) {
  return std::tuple(m.TaskCount, m.VariantCount, m.GcdLevel, m.FractionLevel, m.MulDivLevel,
                    m.MixedLevel, m.MixedMulDivLevel, m.WidePrimes);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  struct Window {
    explicit Window(const std::filesystem::path& dir)
        : form(dir, random, kSeed, [this](const QString& text) { errors << text; }) {}
    template <typename T>
    T* Get(const QString& name) {
      T* w = form.findChild<T*>(name);
      if (w == nullptr) qFatal("no control %s", qPrintable(name));
      return w;
    }
    Pcg32 random;
    QStringList errors;
    TForm1 form;
  };

 private slots:
  void SetUpNamesEveryControlAndDisablesEveryCountBox() {
    Window w(PreparedWorkdir("setup", true));
    QCOMPARE(w.errors, QStringList());
    QCOMPARE(w.form.windowTitle(), QString("Form1"));
    QVERIFY(w.form.windowState() & Qt::WindowMaximized);
    for (const TaskKind& kind : kTaskCatalog) {
      auto* button = w.Get<QPushButton>(QString("Button%1").arg(kind.button));
      QCOMPARE(button->text().toStdString(), std::string(kind.Caption));
      auto* count = w.Get<QLineEdit>(QString("Edit%1").arg(kind.countBox));
      QVERIFY(!count->isEnabled());
      QVERIFY(count->text().isEmpty());
      w.Get<QCheckBox>(QString("CheckBox%1").arg(kind.checkBox));
    }
    QCOMPARE(w.Get<QPushButton>("Button1")->text(), QString("Выполнить"));
    QCOMPARE(w.Get<QPushButton>("Button2")->text(), QString("Завершение"));
    QCOMPARE(w.Get<QPushButton>("Button120")->text(), QString("Проект Толвар"));
    QCOMPARE(w.Get<QPushButton>("Button122")->text(), QString("Задачи"));
    QCOMPARE(w.Get<QPushButton>("Button123")->text(), QString("Справка"));
    QCOMPARE(w.Get<QLabel>("Label1")->text(), QString("Вариант ученика"));
    QCOMPARE(w.Get<QLabel>("Label45")->text(), QString("Вариант учителя"));
    QCOMPARE(w.Get<QLabel>("Label4")->text(), QString("Вариантов"));
    QCOMPARE(w.Get<QLabel>("Label5")->text(), QString("Адрес в интернете"));
    QCOMPARE(w.Get<QLabel>("Label2")->palette().color(QPalette::Window), QColor(0, 255, 255));
    QVERIFY(w.Get<QLineEdit>("Edit4")->isEnabled());
    for (int i = 44; i <= 49; ++i) QVERIFY(w.Get<QLineEdit>(QString("Edit%1").arg(i))->isEnabled());
    for (int i = 1; i <= 18; ++i)
      QVERIFY(!w.Get<QRadioButton>(QString("RadioButton%1").arg(i))->isChecked());
    for (int i = 1; i <= 5; ++i) w.Get<QWidget>(QString("GroupBox%1").arg(i));
  }

  void CheckBoxEnablesItsCountBoxOnceAndForGood() {
    Window w(PreparedWorkdir("checkbox", true));
    auto* check = w.Get<QCheckBox>("CheckBox1");
    auto* count = w.Get<QLineEdit>("Edit1");
    check->click();
    QVERIFY(count->isEnabled());
    check->click();
    QVERIFY(!check->isChecked());
    QVERIFY(count->isEnabled());
    QVERIFY(!w.Get<QLineEdit>("Edit2")->isEnabled());
  }

  void CountBoxesAndVariantsBoxReadTheirText() {
    Window w(PreparedWorkdir("counts", true));
    w.Get<QCheckBox>("CheckBox9")->click();
    auto* count = w.Get<QLineEdit>("Edit10");  // type 8
    QTest::keyClicks(count, "12");
    QCOMPARE(w.form.module().TaskCount[7], 12);
    count->clear();
    QCOMPARE(w.form.module().TaskCount[7], 0);
    w.Get<QLineEdit>("Edit4")->setText("2a");
    QCOMPARE(w.form.module().VariantCount, 2);
  }

  void RadioButtonsAndTheBoxesThatSetOptions() {
    Window w(PreparedWorkdir("options", true));
    w.Get<QRadioButton>("RadioButton3")->click();
    QCOMPARE(w.form.module().GcdLevel, 3);
    w.Get<QRadioButton>("RadioButton3")->click();
    QCOMPARE(w.form.module().GcdLevel, 3);
    w.Get<QRadioButton>("RadioButton8")->click();
    QCOMPARE(w.form.module().FractionLevel, 3);
    w.form.CountBoxChange(78, "1");  // "Раскрыть", Edit85
    QCOMPARE(w.form.module().FractionLevel, 1);
    QVERIFY(w.Get<QRadioButton>("RadioButton8")->isChecked());
    QVERIFY(!w.form.module().WidePrimes);
    w.form.CountBoxChange(57, "2");  // Edit64
    QVERIFY(w.form.module().WidePrimes);
    w.Get<QRadioButton>("RadioButton17")->click();
    QCOMPARE(w.form.module().MixedMulDivLevel, 2);
  }

  void RunWritesBothFilesIntoGen() {
    const auto dir = PreparedWorkdir("run", true);
    Window w(dir);
    w.Get<QCheckBox>("CheckBox1")->click();
    QTest::keyClicks(w.Get<QLineEdit>("Edit1"), "3");
    w.Get<QCheckBox>("CheckBox1")->click();
    QTest::keyClicks(w.Get<QLineEdit>("Edit4"), "1");
    w.Get<QPushButton>("Button1")->click();
    QCOMPARE(w.errors, QStringList());
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(dir / "gen"))
      files.push_back(e.path());
    QCOMPARE(files.size(), std::size_t{2});
    for (const auto& f : files) QCOMPARE(testing::WorksheetLines(f).size(), std::size_t{5});
  }

  void PdfBoxAddsAPdfBesideEachFileAndAFailedOneIsReported() {
    const auto dir = PreparedWorkdir("pdf", true);
    Window w(dir);
    auto* pdf = w.Get<QCheckBox>("CheckBoxPdf");
    QCOMPARE(pdf->text(), QString("PDF"));
    QVERIFY(!pdf->isChecked());
    pdf->click();
    w.Get<QCheckBox>("CheckBox1")->click();
    QTest::keyClicks(w.Get<QLineEdit>("Edit1"), "3");
    QTest::keyClicks(w.Get<QLineEdit>("Edit4"), "2");
    const auto gen = [&dir] {
      std::set<std::filesystem::path> files;
      for (const auto& e : std::filesystem::directory_iterator(dir / "gen")) files.insert(e.path());
      return files;
    };
    // Folders in the place of the next pair's PDFs make them fail; its text files stay whole.
    const auto numbered = [](std::filesystem::path f) {
      return f.replace_filename(f.stem().string() + "_2" + f.extension().string());
    };
    std::vector<std::filesystem::path> second;
    do {  // again when the clock's minute turns between the two runs
      for (const auto& f : gen()) std::filesystem::remove_all(f);
      w.errors.clear();
      w.Get<QPushButton>("Button1")->click();
      QCOMPARE(w.errors, QStringList());
      const std::set<std::filesystem::path> first = gen();
      QCOMPARE(first.size(), std::size_t{4});
      second.clear();
      for (const auto& f : first) {
        if (f.extension() != ".pdf") continue;
        QVERIFY(first.count(std::filesystem::path(f).replace_extension(".txt")) == 1);
        QCOMPARE(testing::FileBytes(f).substr(0, 5), std::string("%PDF-"));
        std::filesystem::create_directory(numbered(f));
        second.push_back(numbered(std::filesystem::path(f).replace_extension(".txt")));
      }
      w.Get<QPushButton>("Button1")->click();
    } while (!std::filesystem::exists(second[0]) || !std::filesystem::exists(second[1]));
    QCOMPARE(w.errors.size(), 1);
    QVERIFY2(w.errors[0].startsWith("File access denied"), qPrintable(w.errors[0]));
    for (const auto& f : second) QCOMPARE(testing::WorksheetLines(f).size(), std::size_t{9});
  }

  void DocxBoxAddsAWordDocumentBesideEachFile() {
    const auto dir = PreparedWorkdir("docx", true);
    Window w(dir);
    auto* docx = w.Get<QCheckBox>("CheckBoxDocx");
    QCOMPARE(docx->text(), QString("DOCX"));
    QVERIFY(!docx->isChecked());
    docx->click();
    w.Get<QCheckBox>("CheckBox1")->click();
    QTest::keyClicks(w.Get<QLineEdit>("Edit1"), "3");
    QTest::keyClicks(w.Get<QLineEdit>("Edit4"), "2");
    w.Get<QPushButton>("Button1")->click();
    QCOMPARE(w.errors, QStringList());
    std::set<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(dir / "gen")) files.insert(e.path());
    QCOMPARE(files.size(), std::size_t{4});
    for (const auto& f : files) {
      if (f.extension() != ".docx") continue;
      QVERIFY(files.count(std::filesystem::path(f).replace_extension(".txt")) == 1);
      QCOMPARE(testing::FileBytes(f).substr(0, 2), std::string("PK"));
    }
  }

  // Ticks, texts and clicks saved with the run's seed; another window opens the set, shows every
  // box as it was and writes the same sheets; "Повторить" writes them again, numbered _2.
  void ASavedSetRestoresTheWindowAndRepeatsTheRun() {
    const auto dir = PreparedWorkdir("set", true);
    Window w(dir);
    QCOMPARE(w.Get<QPushButton>("ButtonSaveSet")->text(), QString("Сохранить набор…"));
    QCOMPARE(w.Get<QPushButton>("ButtonOpenSet")->text(), QString("Открыть набор…"));
    QVERIFY(!w.Get<QPushButton>("ButtonRepeat")->isEnabled());
    w.Get<QCheckBox>("CheckBox1")->click();
    w.Get<QLineEdit>("Edit1")->setText(" 3, два");
    w.Get<QCheckBox>(QString("CheckBox%1").arg(TaskKindByNumber(57).checkBox))->click();
    QTest::keyClicks(w.Get<QLineEdit>(QString("Edit%1").arg(TaskKindByNumber(57).countBox)), "2");
    w.Get<QRadioButton>("RadioButton8")->click();
    w.Get<QCheckBox>(QString("CheckBox%1").arg(TaskKindByNumber(78).checkBox))->click();
    QTest::keyClicks(w.Get<QLineEdit>(QString("Edit%1").arg(TaskKindByNumber(78).countBox)), "1");
    w.Get<QRadioButton>("RadioButton14")->click();
    QTest::keyClicks(w.Get<QLineEdit>("Edit4"), "2");
    // The run changes the fraction level as it goes: the set holds the options it started from.
    const auto started = RunState(w.form.module());
    w.Get<QPushButton>("Button1")->click();
    QCOMPARE(w.errors, QStringList());
    const auto first = GenFiles(dir);
    QVERIFY(w.form.SaveSetFile(dir / "lesson.mathsheet"));
    QCOMPARE(testing::FileBytes(dir / "lesson.mathsheet"),
             "main?seed=" + std::to_string(*w.form.lastSeed()) +
                 "&variants=2&count=1:%203%2C%20%D0%B4%D0%B2%D0%B0,57:2,78:1"
                 "&level=fraction:1,mixed:2&wide=1\n");

    const auto other = PreparedWorkdir("set_other", true);
    Window v(other);
    v.Get<QCheckBox>("CheckBox9")->click();  // left from before: the set clears it
    QTest::keyClicks(v.Get<QLineEdit>("Edit10"), "5");
    v.Get<QRadioButton>("RadioButton2")->click();
    QCOMPARE(v.form.OpenSetFile(dir / "lesson.mathsheet"), TForm1::SetOpened::Main);
    QCOMPARE(v.errors, QStringList());
    QVERIFY(RunState(v.form.module()) == started);
    for (const TaskKind& kind : kTaskCatalog) {
      const auto* count = v.Get<QLineEdit>(QString("Edit%1").arg(kind.countBox));
      QCOMPARE(count->text(), w.Get<QLineEdit>(QString("Edit%1").arg(kind.countBox))->text());
      QCOMPARE(count->isEnabled(), kind.Number == 1 || kind.Number == 57 || kind.Number == 78);
      QCOMPARE(v.Get<QCheckBox>(QString("CheckBox%1").arg(kind.checkBox))->isChecked(),
               count->isEnabled());
    }
    for (int i = 1; i <= 18; ++i)
      QCOMPARE(v.Get<QRadioButton>(QString("RadioButton%1").arg(i))->isChecked(),
               i == 6 || i == 14);
    QCOMPARE(v.Get<QLineEdit>("Edit4")->text(), QString("2"));
    v.Get<QPushButton>("Button1")->click();
    const auto opened = GenFiles(other);
    QCOMPARE(opened.size(), std::size_t{2});
    for (auto a = first.begin(), b = opened.begin(); a != first.end(); ++a, ++b)
      QCOMPARE(AfterStamp(*b), AfterStamp(*a));

    w.Get<QPushButton>("ButtonRepeat")->click();
    auto again = GenFiles(dir);
    for (const auto& f : first) again.erase(f);
    QCOMPARE(again.size(), std::size_t{2});
    for (auto a = first.begin(), b = again.begin(); a != first.end(); ++a, ++b)
      QCOMPARE(AfterStamp(*b), AfterStamp(*a));
  }

  // A file that is no set is named in the error box with its first bad item, and the window
  // keeps its selection as it was; a problems set goes to the word-problem window.
  void ABadSetChangesNothingAndAProblemsSetGoesToItsWindow() {
    const auto dir = PreparedWorkdir("badset", true);
    Window w(dir);
    w.Get<QCheckBox>("CheckBox1")->click();
    QTest::keyClicks(w.Get<QLineEdit>("Edit1"), "3");
    w.Get<QRadioButton>("RadioButton3")->click();
    QTest::keyClicks(w.Get<QLineEdit>("Edit4"), "4");
    const auto state = RunState(w.form.module());
    const struct {
      const char* name;
      std::string text;
      const char* message;
    } kCases[] = {
        {"type", "main?variants=9&count=2:1,300:1", "\"count=2:1,300:1\": no exercise type 300."},
        {"level", "main?count=2:1&level=gcd:9", "\"level=gcd:9\": gcd has buttons 1..5, not 9."},
        {"short", "main?count=2:1&variants=%4", "\"variants=%4\": cut short"},
        {"big", "main?variants=" + std::string(70000, '1'), "larger than 64 KB, not a set."},
        {"notes", "Контрольная по дробям", "not a set: byte 1"},
    };
    for (const auto& c : kCases) {
      const auto file = dir / (std::string(c.name) + ".mathsheet");
      std::ofstream(file, std::ios::binary) << c.text;
      w.errors.clear();
      QCOMPARE(w.form.OpenSetFile(file), TForm1::SetOpened::No);
      QCOMPARE(w.errors.size(), 1);
      QVERIFY2(w.errors[0].startsWith(QString::fromStdString(file.string() + ": ")) &&
                   w.errors[0].contains(c.message),
               qPrintable(w.errors[0]));
      QVERIFY(RunState(w.form.module()) == state);
      QCOMPARE(w.Get<QLineEdit>("Edit1")->text(), QString("3"));
      QVERIFY(!w.Get<QLineEdit>("Edit2")->isEnabled());
      QVERIFY(w.Get<QRadioButton>("RadioButton3")->isChecked());
      QCOMPARE(w.Get<QLineEdit>("Edit4")->text(), QString("4"));
    }
    w.errors.clear();
    QCOMPARE(w.form.OpenSetFile(dir / "missing.mathsheet"), TForm1::SetOpened::No);
    QCOMPARE(w.errors, QStringList{QString::fromStdString((dir / "missing.mathsheet").string() +
                                                          ": File not found.")});

    std::ofstream(dir / "problems.mathsheet") << "problems?seed=5&variants=3&select=Z2,B93\n";
    QCOMPARE(w.form.OpenSetFile(dir / "problems.mathsheet"), TForm1::SetOpened::Problems);
    QVERIFY(RunState(w.form.module()) == state);
    TForm3* problems = w.form.wordProblemWindow();
    QVERIFY(problems->findChild<QCheckBox*>("CheckBox2")->isChecked());
    QVERIFY(problems->findChild<QCheckBox*>("CheckBox191")->isChecked());
    QVERIFY(!problems->findChild<QCheckBox*>("CheckBox1")->isChecked());
    QCOMPARE(problems->findChild<QLineEdit*>("Edit1")->text(), QString("3"));
    QCOMPARE(problems->lastSeed(), std::optional<std::uint32_t>(5));
    // A main set is refused there, and the problems stay ticked.
    w.errors.clear();
    QVERIFY(!problems->OpenSetFile(dir / "type.mathsheet"));
    std::ofstream(dir / "main.mathsheet") << "main?count=1:1\n";
    QVERIFY(!problems->OpenSetFile(dir / "main.mathsheet"));
    QCOMPARE(w.errors.size(), 2);
    QVERIFY2(w.errors[1].contains("main.mathsheet: a set of the main window, not the "
                                  "word-problem one.") &&
                 w.errors[1].endsWith("Набор не открыт: выбор в окне остался прежним."),
             qPrintable(w.errors[1]));
    QCOMPARE(problems->module().Selected[1], 1);
  }

  // What a careless or hostile user opens as a set is refused at once (a pipe nobody writes to
  // keeps no window waiting, a file of 1 GB is not read), named in the error box, odd names too,
  // and the selection stays as it was.
  void AHostileFileIsRefusedAtOnceAndChangesNothing() {
    const auto dir = PreparedWorkdir("hostile_set", true);
    Window w(dir);
    w.Get<QCheckBox>("CheckBox1")->click();
    QTest::keyClicks(w.Get<QLineEdit>("Edit1"), "3");
    QTest::keyClicks(w.Get<QLineEdit>("Edit4"), "4");
    const auto state = RunState(w.form.module());
    std::string bytes(4096, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + 3);
    for (const char* name : {"random.mathsheet", "set\nname.mathsheet", "\xFF\xFE.mathsheet"})
      std::ofstream(dir / name, std::ios::binary) << bytes;
    std::ofstream(dir / "line.mathsheet", std::ios::binary) << std::string(1 << 20, '7');
    std::ofstream(dir / "sparse.mathsheet").close();
    std::filesystem::resize_file(dir / "sparse.mathsheet", std::uintmax_t{1} << 30);
    QCOMPARE(::mkfifo((dir / "pipe.mathsheet").c_str(), 0600), 0);
    std::filesystem::create_directory(dir / "folder.mathsheet");
    std::filesystem::create_symlink(dir / "loop.mathsheet", dir / "loop.mathsheet");
    for (const char* name :
         {"random.mathsheet", "set\nname.mathsheet", "\xFF\xFE.mathsheet", "line.mathsheet",
          "sparse.mathsheet", "pipe.mathsheet", "folder.mathsheet", "loop.mathsheet"}) {
      const auto file = dir / name;
      w.errors.clear();
      QElapsedTimer timer;
      timer.start();
      QCOMPARE(w.form.OpenSetFile(file), TForm1::SetOpened::No);
      QVERIFY2(timer.elapsed() < 5000, name);
      QCOMPARE(w.errors.size(), 1);
      QVERIFY2(w.errors[0].startsWith(QString::fromStdString(file.string() + ": ")),
               qPrintable(w.errors[0]));
      QVERIFY(RunState(w.form.module()) == state);
      QCOMPARE(w.Get<QLineEdit>("Edit1")->text(), QString("3"));
      QCOMPARE(w.Get<QLineEdit>("Edit4")->text(), QString("4"));
    }
  }

  void RunWithoutGenShowsInvalidFilename() {
    Window w(PreparedWorkdir("nogen", false));
    w.Get<QPushButton>("Button1")->click();
    QCOMPARE(w.errors, QStringList{"Invalid filename."});
    w.Get<QPushButton>("Button1")->click();
    QCOMPARE(w.errors.size(), 2);
  }

  void TypeButtonShowsItsSamples() {
    const auto dir = PreparedWorkdir("samples", true);
    Window w(dir);
    w.Get<QPushButton>("Button4")->click();  // "Сложение3", sample 2
    QCOMPARE(w.errors, QStringList());
    const auto student = testing::WorksheetLines(dir / "gen5" / "nb2s.txt");
    const auto teacher = testing::WorksheetLines(dir / "gen5" / "nb2t.txt");
    QCOMPARE(student.size(), std::size_t{3});
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(w.Get<QLineEdit>(QString("Edit%1").arg(44 + i))->text().toStdString(),
               student[static_cast<std::size_t>(i)]);
      QCOMPARE(w.Get<QLineEdit>(QString("Edit%1").arg(47 + i))->text().toStdString(),
               teacher[static_cast<std::size_t>(i)]);
    }
  }

  void AdditionButtonLeavesTheLabelColoursAlone() {
    Window w(PreparedWorkdir("colours", true));
    auto colour = [&] { return w.Get<QLabel>("Label2")->palette().color(QPalette::Window); };
    for (int i = 0; i < 20; ++i) {
      w.Get<QPushButton>("Button3")->click();
      QCOMPARE(colour(), QColor(0, 255, 255));
    }
    QSet<QRgb> seen;
    for (int i = 0; i < 200; ++i) {
      w.Get<QPushButton>("Button5")->click();
      seen.insert(colour().rgb());
    }
    QCOMPARE(seen.size(), 4);
  }

  void AMissingSampleIsNotFoundAndTheBoxesKeepTheirText() {
    const auto dir = PreparedWorkdir("nosample", true);
    Window w(dir);
    w.Get<QPushButton>("Button4")->click();
    const QString shown = w.Get<QLineEdit>("Edit44")->text();
    std::filesystem::remove(dir / "gen5" / "nb3t.txt");
    w.Get<QPushButton>("Button5")->click();
    QCOMPARE(w.errors, QStringList{"File not found."});
    QCOMPARE(w.Get<QLineEdit>("Edit44")->text(), shown);
  }

  void EnterInTheVariantsBoxRuns() {
    const auto dir = PreparedWorkdir("enter", true);
    Window w(dir);
    w.Get<QCheckBox>("CheckBox1")->click();
    QTest::keyClicks(w.Get<QLineEdit>("Edit1"), "2");
    QTest::keyClicks(w.Get<QLineEdit>("Edit4"), "1");
    QTest::keyClick(w.Get<QLineEdit>("Edit4"), Qt::Key_Return);
    QCOMPARE(w.errors, QStringList());
    std::size_t files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir / "gen")) {
      QCOMPARE(testing::WorksheetLines(e.path()).size(), std::size_t{4});
      ++files;
    }
    QCOMPARE(files, std::size_t{2});
  }

  void SampleBoxesShowFractionsInColumns() {
    Window w(PreparedWorkdir("font", true));
    for (int i = 44; i <= 49; ++i) {
      const QFont font = w.Get<QLineEdit>(QString("Edit%1").arg(i))->font();
      QVERIFY2(QFontInfo(font).fixedPitch(), qPrintable(QFontInfo(font).family()));
      QVERIFY(QFontDatabase::writingSystems(QFontInfo(font).family())
                  .contains(QFontDatabase::Cyrillic));
    }
  }

  void TheSmallPictureAtTheTopRightIsInView() {
    Window w(PreparedWorkdir("zn", true));
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    auto* zn = w.Get<PictureBox>("ImageZn");
    QVERIFY(zn->hasPicture());
    QCOMPARE(zn->visibleRegion().boundingRect(), zn->rect());
    QVERIFY(zn->mapTo(&w.form, QPoint(0, 0)).x() > w.form.width() / 2);
  }

  void ARunLongerThanItsDelayShowsProgressAndCanBeCancelled() {
    QWidget parent;
    RunProgressDialog quiet(&parent);
    QVERIFY(quiet.Hook()(RunProgress{0, 10}));
    QVERIFY(quiet.dialog() == nullptr);

    RunProgressDialog shown(&parent, std::chrono::milliseconds(0));
    const ProgressHook hook = shown.Hook();
    QVERIFY(hook(RunProgress{3, 2147483647}));
    QProgressDialog* dialog = shown.dialog();
    QVERIFY(dialog != nullptr && dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    QCOMPARE(dialog->labelText(), QString("Записано вариантов: 3 из 2147483647"));
    auto* cancel = dialog->findChild<QPushButton*>();
    QCOMPARE(cancel->text(), QString("Отмена"));
    cancel->click();
    QVERIFY(!hook(RunProgress{4, 2147483647}));
  }

  void AMissingPictureIsReportedAndTheWindowStillWorks() {
    const auto dir = PreparedWorkdir("nopicture", true, {"green.bmp"});
    Window w(dir);
    QCOMPARE(w.errors.size(), 1);
    const QString expected = QString("Cannot open file \"%1\". ")
                                 .arg(QString::fromStdString((dir / "green.bmp").string()));
    QVERIFY2(w.errors[0].startsWith(expected), qPrintable(w.errors[0]));
    QVERIFY(w.errors[0].endsWith("."));
    w.Get<QCheckBox>("CheckBox1")->click();
    QVERIFY(w.Get<QLineEdit>("Edit1")->isEnabled());
  }

  // Pictures are decoded only when painted; a file that is no picture is still caught at start.
  void AFileThatIsNoPictureIsReportedAtStart() {
    const auto dir = PreparedWorkdir("notbmp", true);
    std::ofstream(dir / "yellow.bmp", std::ios::binary | std::ios::trunc) << "BM not a picture";
    Window w(dir);
    QCOMPARE(w.errors.size(), 1);
    QVERIFY2(w.errors[0].endsWith("yellow.bmp\". The file is not a BMP picture."),
             qPrintable(w.errors[0]));
    QVERIFY(w.Get<PictureBox>("ImageZn")->hasPicture());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
