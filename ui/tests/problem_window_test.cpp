#include "ui/problem_window.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/cp1251.h"
#include "wordproblems/animation.h"
#include "wordproblems/problem_catalog.h"

using namespace mathsheets;
using namespace mathsheets::ui;

namespace {

// A working folder with the pictures the build drew, less those named in `without`.
class Workdir {
 public:
  explicit Workdir(bool withGen, std::initializer_list<const char*> without = {}) {
    if (withGen) std::filesystem::create_directory(path() / "gen");
    const char* pictures = std::getenv("MATHSHEETS_TEST_WORKDIR");
    if (pictures != nullptr)
      for (const auto& entry : std::filesystem::directory_iterator(pictures))
        if (entry.path().extension() == ".bmp") std::filesystem::copy(entry.path(), path());
    for (const char* picture : without) std::filesystem::remove(path() / picture);
  }
  std::filesystem::path path() const { return dir_.path().toStdString(); }

  // The files of gen/ whose names start with `prefix`.
  std::vector<std::filesystem::path> Files(const std::string& prefix) const {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(path() / "gen"))
      if (entry.path().filename().string().rfind(prefix, 0) == 0) files.push_back(entry.path());
    return files;
  }

 private:
  QTemporaryDir dir_;
};

// The lines of a worksheet file as UTF-8.
QStringList Lines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  const QString text = QString::fromStdString(Cp1251ToUtf8(bytes));
  QStringList lines = text.split("\r\n");
  if (lines.back().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

class ProblemWindowTest : public QObject {
  Q_OBJECT

  struct Window {
    explicit Window(const Workdir& dir)
        : form(dir.path(), random, nullptr, nullptr,
               [this](const QString& text) { errors << text; }) {}
    template <typename T>
    T* Get(const QString& name) {
      T* w = form.findChild<T*>(name);
      if (w == nullptr) qFatal("no control %s", qPrintable(name));
      return w;
    }
    QString Label(int n) { return Get<QLabel>(QString("Label%1").arg(n))->text(); }
    QString Frame() { return Get<PictureBox>("Image4")->pictureName(); }
    Pcg32 random{1};
    QStringList errors;
    TForm3 form;
  };

 private slots:
  void SetUpNamesEveryControl() {
    Workdir dir(true);
    Window w(dir);
    QCOMPARE(w.errors, QStringList());
    QCOMPARE(w.form.windowTitle(), QString("Form3"));
    QVERIFY(w.form.windowState() & Qt::WindowMaximized);
    QCOMPARE(w.Get<QPushButton>("Button1")->text(), QString("X"));
    QCOMPARE(w.Get<QPushButton>("Button232")->text(), QString("Выполнить"));
    QCOMPARE(w.Get<QPushButton>("Button233")->text(), QString("Справка"));
    QCOMPARE(w.Label(7), QString("B") + QString("ариантов"));  // a Latin B
    QCOMPARE(w.Label(7).at(0).unicode(), u'B');
    for (int n = 1; n <= 6; ++n) QVERIFY(w.Label(n).isEmpty());
    QVERIFY(w.Get<QLineEdit>("Edit1")->text().isEmpty());
    for (int n = 1; n <= 4; ++n) {
      const QFont font = w.Get<QLabel>(QString("Label%1").arg(n))->font();
      QVERIFY(font.bold());
      QCOMPARE(font.pixelSize(), 19);
    }
    for (const TWordProblem& problem : WordProblemCatalog()) {
      auto* button = w.Get<QPushButton>(QString("Button%1").arg(problem.Index + 1));
      auto* box = w.Get<QCheckBox>(QString("CheckBox%1").arg(problem.Index));
      QCOMPARE(button->text().toStdString(), std::string(problem.Caption));
      QVERIFY(!box->isChecked());
      // Every problem can be generated, so none is greyed out.
      QVERIFY(box->isEnabled());
      QVERIFY(button->isEnabled());
      // Each check box stands just left of its button, on the same row.
      QVERIFY(box->geometry().right() < button->geometry().left());
      QVERIFY(button->geometry().left() - box->geometry().right() < 10);
      QVERIFY(std::abs(box->geometry().center().y() - button->geometry().center().y()) < 3);
      QCOMPARE(w.form.module().Selected[static_cast<std::size_t>(problem.Index - 1)], 0);
    }
    // Z1..Z16 run down the first column 29 pixels apart; Z17 heads the second.
    auto at = [&](int index) {
      return w.Get<QPushButton>(QString("Button%1").arg(index + 1))->pos();
    };
    QCOMPARE(at(2).y() - at(1).y(), 29);
    QCOMPARE(at(16).x(), at(1).x());
    QCOMPARE(at(17).y(), at(1).y());
    QVERIFY(at(17).x() > at(1).x());
    QCOMPARE(at(49).y(), at(1).y());  // Z49 heads the fourth column
    // S in columns of 16, 16 and 6; B in nine columns.
    QCOMPARE(at(61 + 16).y(), at(61).y());
    QCOMPARE(at(61 + 32).y(), at(61).y());
    QCOMPARE(at(98).y() - at(93).y(), 5 * 29);
    QSet<int> bColumns;
    for (int index = 99; index <= 230; ++index) bColumns.insert(at(index).x());
    QCOMPARE(bColumns.size(), 9);
    for (int n = 1; n <= 3; ++n)
      QVERIFY(w.Get<PictureBox>(QString("Image%1").arg(n))->hasPicture());
    QVERIFY(!w.Get<PictureBox>("Image4")->hasPicture());
    auto* timer = w.Get<QTimer>("Timer1");
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());
    QCOMPARE(w.form.module().AnimationStep, 0);
  }

  void CheckBoxHandlerTogglesTheFlag() {
    Workdir dir(true);
    Window w(dir);
    auto* box = w.Get<QCheckBox>("CheckBox7");
    box->click();
    QVERIFY(box->isChecked());
    QCOMPARE(w.form.module().Selected[6], 1);
    box->click();
    QCOMPARE(w.form.module().Selected[6], 0);
    // The handler toggles the flag without looking at the box.
    w.form.CheckBoxClick(7);
    QCOMPARE(w.form.module().Selected[6], 1);
    QVERIFY(!box->isChecked());
  }

  void PreviewShowsAFreshInstanceAndClearsTheLabelsBelow() {
    Workdir dir(true);
    Window w(dir);
    w.Get<QPushButton>("Button4")->click();  // Z3: four lines
    for (int n = 1; n <= 4; ++n) QVERIFY(!w.Label(n).isEmpty());
    QCOMPARE(w.Label(4), QString("всего пирожков, пирожных и ватрушек было приготовлено ко дню "
                                 "роджения?"));
    w.Get<QPushButton>("Button13")->click();  // Z12: two lines
    QVERIFY(w.Label(1).startsWith(" На отрезке "));
    QVERIFY(w.Label(2).startsWith(" составляет "));
    QVERIFY(w.Label(3).isEmpty());
    QVERIFY(w.Label(4).isEmpty());
    // Z27 shows its preview wording, not the file's.
    w.form.PreviewButtonClick(28);
    QVERIFY(w.Label(1).endsWith("если вони "));
    // A preview selects nothing and writes nothing.
    QCOMPARE(std::count(w.form.module().Selected.begin(), w.form.module().Selected.end(), 1), 0);
    QVERIFY(dir.Files("").empty());
  }

  void RunWritesBothFilesAndPlaysTheAnimation() {
    Workdir dir(true);
    Window w(dir);
    w.Get<QCheckBox>("CheckBox1")->click();
    w.Get<QCheckBox>("CheckBox16")->click();
    w.Get<QLineEdit>("Edit1")->setText("2x");
    w.Get<QPushButton>("Button232")->click();
    QCOMPARE(w.errors, QStringList());
    const auto student = dir.Files("zjobs_"), teacher = dir.Files("zjobt_");
    QCOMPARE(student.size(), std::size_t{1});
    QCOMPARE(teacher.size(), std::size_t{1});
    const QStringList s = Lines(student[0]), t = Lines(teacher[0]);
    // Stamp; per variant: header, Z16 (one line), Z1 (two lines), a blank line.
    QCOMPARE(s.size(), 1 + 2 * (1 + 2 + 3 + 1));
    QCOMPARE(t.size(), s.size() + 4);
    QCOMPARE(s[1], QString("Вариант № 1"));
    QCOMPARE(s[2], QString("Задание 1"));
    QVERIFY(s[3].startsWith("Вычислите периметр квадрата"));
    QCOMPARE(s[4], QString("Задание 2"));
    QCOMPARE(s[7], QString(" "));
    QCOMPARE(s[8], QString("Вариант № 2"));
    QCOMPARE(t.back(), QString(" "));

    QCOMPARE(w.form.module().AnimationStep, kFirstAnimationStep);
    QStringList frames;
    for (int tick = 0; tick < 11; ++tick) {
      w.form.Timer1Timer();
      frames << w.Frame();
    }
    QCOMPARE(frames, (QStringList{"15.bmp", "15a.bmp", "15b.bmp", "15a.bmp", "15b.bmp", "15a.bmp",
                                  "15b.bmp", "15.bmp", "fon15.bmp", "fon15.bmp", "fon15.bmp"}));
    // A second run restarts the animation from its first frame.
    w.form.Button232Click();
    w.form.Timer1Timer();
    w.form.Timer1Timer();
    QCOMPARE(w.Frame(), QString("15a.bmp"));
    w.form.Button232Click();
    w.form.Timer1Timer();
    QCOMPARE(w.Frame(), QString("15.bmp"));
    QCOMPARE(w.errors, QStringList());
  }

  void B86GreetsTheStudentInUkrainianAndB132Previews() {
    Workdir dir(true);
    Window w(dir);
    w.Get<QCheckBox>("CheckBox184")->click();
    w.Get<QLineEdit>("Edit1")->setText("1");
    w.Get<QPushButton>("Button232")->click();
    QCOMPARE(w.errors, QStringList());
    const QStringList s = Lines(dir.Files("zjobs_").at(0)), t = Lines(dir.Files("zjobt_").at(0));
    // Stamp, header, task line, the two lines of the petals, a blank line.
    QCOMPARE(s.size(), 6);
    QCOMPARE(s[2], QString("Завдання 1"));
    QCOMPARE(t[2], QString("Задание 1"));
    QVERIFY(s[3].startsWith("У "));
    QCOMPARE(t[5], QString::number(t[5].toInt()));
    w.Get<QPushButton>("Button231")->click();  // B132
    QVERIFY(w.Label(1).startsWith("Периметр квадрата равен "));
    QVERIFY(w.Label(2).isEmpty());
  }

  void PdfAndDocxBoxesAddAPdfAndAWordDocumentBesideEachFile() {
    Workdir dir(true);
    Window w(dir);
    for (const char* name : {"CheckBoxPdf", "CheckBoxDocx"}) {
      auto* box = w.Get<QCheckBox>(name);
      QVERIFY(!box->isChecked());
      box->click();
    }
    w.Get<QCheckBox>("CheckBox1")->click();
    w.Get<QLineEdit>("Edit1")->setText("1");
    w.form.Button232Click();
    QCOMPARE(w.errors, QStringList());
    for (const char* prefix : {"zjobs_", "zjobt_"}) {
      const auto files = dir.Files(prefix);
      QCOMPARE(files.size(), std::size_t{3});
      QCOMPARE(files[0].stem(), files[1].stem());
      QCOMPARE(files[0].stem(), files[2].stem());
    }
  }

  void MissingFrameIsReportedOnceAndEndsTheAnimation() {
    Workdir dir(true, {"15a.bmp"});
    Window w(dir);
    w.form.Button232Click();
    for (int tick = 0; tick < 12; ++tick) w.form.Timer1Timer();
    QCOMPARE(w.errors.size(), 1);
    QVERIFY(w.errors[0].startsWith("Cannot open file \""));
    QVERIFY(w.errors[0].contains("15a.bmp"));
    QCOMPARE(w.Frame(), QString("15.bmp"));
    QCOMPARE(w.form.module().AnimationStep, kAnimationDone);
    // The next run plays again, as far as the missing frame.
    w.form.Button232Click();
    w.form.Timer1Timer();
    w.form.Timer1Timer();
    QCOMPARE(w.errors.size(), 2);
  }

  void FailedRunShowsTheErrorAndStartsNoAnimation() {
    Workdir dir(false);
    Window w(dir);
    w.Get<QCheckBox>("CheckBox1")->click();
    w.Get<QLineEdit>("Edit1")->setText("1");
    w.form.Button232Click();
    QCOMPARE(w.errors, QStringList{"Invalid filename."});
    QCOMPARE(w.form.module().AnimationStep, 0);
    w.form.Timer1Timer();
    QVERIFY(!w.Get<PictureBox>("Image4")->hasPicture());
    QCOMPARE(w.form.module().Selected[0], 1);
  }

  void MissingPanelPictureStopsTheLaterPanels() {
    Workdir dir(true, {"yellow3.bmp"});
    Window w(dir);
    QCOMPARE(w.errors.size(), 1);
    QVERIFY(w.errors[0].contains("yellow3.bmp"));
    QVERIFY(w.Get<PictureBox>("Image1")->hasPicture());
    QVERIFY(!w.Get<PictureBox>("Image2")->hasPicture());
    QVERIFY(!w.Get<PictureBox>("Image3")->hasPicture());
    w.form.PreviewButtonClick(2);
    QVERIFY(!w.Label(1).isEmpty());
  }

  void CloseOnlyHidesAndKeepsTheState() {
    Workdir dir(true);
    Window w(dir);
    w.form.show();
    w.Get<QCheckBox>("CheckBox5")->click();
    w.Get<QLineEdit>("Edit1")->setText("3");
    w.Get<QPushButton>("Button1")->click();
    QVERIFY(!w.form.isVisible());
    QCOMPARE(w.form.module().Selected[4], 1);
    QCOMPARE(w.Get<QLineEdit>("Edit1")->text(), QString("3"));
    QVERIFY(w.Get<QCheckBox>("CheckBox5")->isChecked());
  }

  void EnterInTheVariantsBoxRunsAndOpensNoHelp() {
    Workdir dir(true);
    QDialog help;
    Pcg32 random(1);
    QStringList errors;
    TForm3 form(dir.path(), random, &help, nullptr, [&](const QString& e) { errors << e; });
    bool helpShown = false;
    auto* closer = new QTimer(&help);
    connect(closer, &QTimer::timeout, &help, [&] {
      if (!help.isVisible()) return;
      helpShown = true;
      help.reject();
    });
    closer->start(10);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.findChild<QCheckBox*>("CheckBox1")->click();
    auto* edit1 = form.findChild<QLineEdit*>("Edit1");
    edit1->setFocus();
    QTest::keyClicks(edit1, "2");
    QTest::keyClick(edit1, Qt::Key_Return);
    QTest::keyClick(edit1, Qt::Key_Enter);
    QVERIFY(!helpShown);
    QCOMPARE(errors, QStringList());
    // Return and Enter each ran once; the second pair is numbered, not written over the first.
    QCOMPARE(dir.Files("zjobt_").size(), std::size_t{2});
    for (const auto& file : dir.Files("zjobt_")) QCOMPARE(Lines(file).count("Вариант № 2"), 1);
  }

  void HelpButtonShowsTheHelpWindowModally() {
    Workdir dir(true);
    QDialog help;
    Pcg32 random(1);
    QStringList errors;
    TForm3 form(dir.path(), random, &help, nullptr, [&](const QString& e) { errors << e; });
    bool shownModal = false;
    QTimer::singleShot(0, &help, [&] {
      shownModal = help.isVisible() && help.isModal();
      help.reject();
    });
    form.findChild<QPushButton*>("Button233")->click();
    QVERIFY(shownModal);
  }
};

QTEST_MAIN(ProblemWindowTest)
#include "problem_window_test.moc"
