#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "testing/worksheet_reading.h"
#include "ui/catalog_window.h"
#include "ui/help_windows.h"
#include "windows/catalog_pages.h"

using namespace mathsheets;
using namespace mathsheets::ui;

namespace {

std::filesystem::path PicturesWorkdir(const std::string& name) {
  const auto dir = testing::FreshWorkdir("catalog_" + name, false);
  if (const char* built = std::getenv("MATHSHEETS_TEST_WORKDIR"))
    std::filesystem::copy(built, dir, std::filesystem::copy_options::recursive);
  return dir;
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

  struct Catalog {
    explicit Catalog(const std::filesystem::path& dir)
        : form(dir, [this](const QString& text) { errors << text; }) {}
    QLabel* Label(int n) { return form.findChild<QLabel*>(QString("Label%1").arg(n)); }
    QPushButton* Grade(int n) {
      return form.findChild<QPushButton*>(QString("GradeButton%1").arg(n));
    }
    QStringList errors;
    TForm2 form;
  };

 private slots:
  void CatalogStartsWithTheHeaderAndEmptyLines() {
    Catalog c(PicturesWorkdir("start"));
    QCOMPARE(c.form.windowTitle(), QString("Form2"));
    QCOMPARE(c.Label(1)->text(), QString("Проект \"Толвар\""));
    for (int i = 2; i <= 16; ++i) QVERIFY(c.Label(i)->text().isEmpty());
    QCOMPARE(c.Grade(1)->text(), QString("Начальная школа"));
    QCOMPARE(c.Grade(10)->text(), QString("Родителям"));
    QCOMPARE(c.form.findChild<QTimer*>("Timer1")->interval(), 250);
    for (int i = 0; i < 50; ++i) c.form.Timer1Timer();
    QVERIFY(c.Label(15)->text().isEmpty());
  }

  void GradeButtonFillsItsLinesAndStartsTheMarquee() {
    Catalog c(PicturesWorkdir("grade"));
    c.Grade(1)->click();
    QCOMPARE(c.errors, QStringList());
    QCOMPARE(c.Label(16)->text(), QString("Адрес в интернете"));
    QVERIFY(c.Label(2)->text().isEmpty());
    QVERIFY(!c.Label(4)->text().isEmpty());
    QVERIFY(!c.Label(10)->text().isEmpty());
    QVERIFY(c.Label(11)->text().isEmpty());
    auto* image1 = c.form.findChild<QWidget*>("Image1");
    QCOMPARE(image1->geometry(), QRect(500, 450, 200, 250));
    c.form.Timer1Timer();
    // The very first scroll starts one character in; later ones from the unrotated text.
    const std::string& text = c.form.marquee().text();
    QCOMPARE(c.Label(15)->text().toStdString(), text.substr(1) + text.substr(0, 1));
    QString last;
    for (int i = 0; i < 148; ++i) c.form.Timer1Timer();
    last = c.Label(15)->text();
    for (int i = 0; i < 20; ++i) c.form.Timer1Timer();
    QCOMPARE(c.Label(15)->text(), last);
  }

  void ParentsShowThreePicturesAndTheNextPageOnlyOne() {
    Catalog c(PicturesWorkdir("parents"));
    c.Grade(10)->click();
    QCOMPARE(c.errors, QStringList());
    QCOMPARE(c.form.findChild<QWidget*>("Image2")->geometry(), QRect(400, 450, 200, 250));
    QCOMPARE(c.form.findChild<QWidget*>("Image3")->geometry(), QRect(700, 450, 290, 250));
    c.Grade(2)->click();
    QCOMPARE(c.form.findChild<QWidget*>("Image1")->geometry(), QRect(750, 320, 200, 250));
    QCOMPARE(c.form.findChild<QWidget*>("Image2")->geometry(), QRect(810, 23, 5, 5));
    QCOMPARE(c.form.findChild<QWidget*>("Image3")->geometry(), QRect(815, 23, 5, 5));
  }

  void AMissingPictureSkipsTheRestButKeepsTheLines() {
    const auto dir = PicturesWorkdir("missing");
    std::filesystem::remove(dir / "pik" / "shkol5.bmp");
    Catalog c(dir);
    c.Grade(2)->click();
    QCOMPARE(c.errors.size(), 1);
    QVERIFY2(c.errors[0].startsWith("Cannot open file \"") && c.errors[0].contains("shkol5.bmp"),
             qPrintable(c.errors[0]));
    QVERIFY(!c.Label(2)->text().isEmpty());
  }

  void HelpWindowsShowTheirLines() {
    TForm5 main;
    TForm4 problems;
    QCOMPARE(main.windowTitle(), QString("Form5"));
    QCOMPARE(main.findChild<QLabel*>("Label7")->text(),
             QString("ajobs_10.12.2016_17_09 - файл ученика"));
    QCOMPARE(problems.findChild<QLabel*>("Label6")->text(),
             QString("zjobs_10.12.2016_17_09 - файл ученика"));
    QVERIFY(main.findChild<QLabel*>("Label10") == nullptr);
    QVERIFY(problems.findChild<QPushButton*>("Button1") != nullptr);
  }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
