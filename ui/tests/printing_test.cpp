#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "pdf/worksheet_pdf.h"
#include "shell/main_run.h"
#include "shell/main_selection.h"
#include "testing/worksheet_reading.h"
#include "ui/main_window.h"
#include "ui/printing/print_options_dialog.h"
#include "ui/printing/print_settings.h"
#include "ui/problem_window.h"
#include "worksheet/worksheet_files.h"

using namespace mathsheets;
using namespace mathsheets::ui;

namespace {

// The pair of a main run of two-digit additions and fractions, `variants` variants.
RunResult RunPair(const std::filesystem::path& dir, int variants) {
  Pcg32 random(7);
  MainModule module(random);
  MainSelection selection(module);
  for (const auto& [number, count] : {std::pair{1, "6"}, {44, "3"}}) {
    selection.CheckBoxClick(number);
    selection.CountBoxChange(number, count);
  }
  selection.VariantsChange(std::to_string(variants));
  return RunMainWorksheet(selection, dir, CurrentLocalDateTime());
}

int PdfPages(const std::filesystem::path& pdf) {
  // The page objects of a PDF Qt wrote: one "/Type /Page" a page, besides the "/Type /Pages".
  std::ifstream in(pdf, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  int pages = 0;
  for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos;
       at = bytes.find("/Type /Page", at + 1))
    if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
  return pages;
}

}  // namespace

class PrintingTest : public QObject {
  Q_OBJECT
 private slots:
  void SettingsKeepTheChoicesAndNonsenseReadsAsDefaults() {
    QTemporaryDir dir;
    const QString file = dir.filePath("mathsheets.conf");
    sheet::PrintLayout chosen;
    chosen.perPage = sheet::VariantsPerPage::Four;
    chosen.columns = sheet::ExerciseColumns::Three;
    chosen.largePrint = true;
    chosen.answerKey = false;
    chosen.paper = sheet::Paper::A5;
    {
      QSettings settings(file, QSettings::IniFormat);
      SavePrintLayout(settings, chosen);
    }
    QSettings reread(file, QSettings::IniFormat);
    QCOMPARE(LoadPrintLayout(reread) == chosen, true);

    for (const char* nonsense :
         {"[print]\nper-page=7\ncolumns=many\nlarge=yes\nkey=\npaper=letter\n", "\x01\xff[[[\n",
          ""}) {
      std::ofstream(file.toStdString(), std::ios::binary | std::ios::trunc) << nonsense;
      QSettings broken(file, QSettings::IniFormat);
      QCOMPARE(LoadPrintLayout(broken) == sheet::PrintLayout{}, true);
    }
  }

  void APrinterGetsThePagesOfThePdf() {
    const auto dir = testing::FreshWorkdir("printing_pages");
    const RunResult run = RunPair(dir, 12);
    sheet::PrintLayout layout;
    layout.perPage = sheet::VariantsPerPage::Two;
    const pdf::PdfPair pdfs = pdf::WriteWorksheetPdfPair(run.studentPath, run.teacherPath, layout);
    for (const auto& [kind, pdfFile] : {std::pair{pdf::SheetKind::Student, pdfs.studentPdf},
                                        {pdf::SheetKind::Teacher, pdfs.teacherPdf}}) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setFullPage(true);
      printer.setOutputFormat(QPrinter::PdfFormat);
      const auto printed = dir / "printed.pdf";
      printer.setOutputFileName(QString::fromStdString(printed.string()));
      pdf::PreparePaper(printer, layout);
      const int pages = pdf::PrintSheet(printer, run.studentPath, run.teacherPath, kind, layout);
      QCOMPARE(pages, PdfPages(pdfFile));
      QCOMPARE(PdfPages(printed), pages);
    }
  }

  void StoppingThePdfStepLeavesTheTextFilesAndNoPdf() {
    const auto dir = testing::FreshWorkdir("printing_stop");
    const RunResult run = RunPair(dir, 40);
    const std::string student = testing::FileBytes(run.studentPath);
    const std::string teacher = testing::FileBytes(run.teacherPath);
    const pdf::PdfPair pdfs = pdf::WriteWorksheetPdfPair(run.studentPath, run.teacherPath, {},
                                                         [](int done, int) { return done < 3; });
    QVERIFY(pdfs.stopped);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "gen")) {
      QCOMPARE(entry.path().extension().string(), std::string(".txt"));
      ++files;
    }
    QCOMPARE(files, 2);
    QCOMPARE(testing::FileBytes(run.studentPath), student);
    QCOMPARE(testing::FileBytes(run.teacherPath), teacher);
  }

  void BothWindowsHaveThePrintButtonsAndTheOptionsDialogKeepsItsChoices() {
    const auto dir = testing::FreshWorkdir("printing_windows");
    Pcg32 random(1);
    QString shown;
    TForm1 window(dir, random, 1, [&shown](const QString& text) { shown = text; });
    for (QWidget* form :
         {static_cast<QWidget*>(&window), static_cast<QWidget*>(window.wordProblemWindow())}) {
      QVERIFY(form->findChild<QPushButton*>("ButtonPrint") != nullptr);
      QVERIFY(form->findChild<QPushButton*>("ButtonPrintOptions") != nullptr);
    }
    // Before any run there is nothing to print: the window says so.
    window.findChild<QPushButton*>("ButtonPrint")->click();
    QVERIFY(shown.contains("Выполнить"));

    sheet::PrintLayout large;
    large.largePrint = true;
    large.title = "Самостоятельная работа <b>№3</b>";
    PrintOptionsDialog dialog(large);
    QCOMPARE(dialog.layout() == large, true);
    // A title the sheet cannot take is named and the dialog stays open; a good one is taken.
    QString refused;
    dialog.errorBox = [&refused](const QString& text) { refused = text; };
    auto* title = dialog.findChild<QLineEdit*>("EditTitle");
    title->setText(QString(121, QChar(0x416)));
    dialog.show();
    dialog.accept();
    QVERIFY(refused.contains("120"));
    QVERIFY(dialog.isVisible());
    title->setText(QString(120, QChar(0x416)));
    dialog.accept();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.layout().title.size(), std::size_t{240});
    const char* shots = std::getenv("MATHSHEETS_SCREENSHOTS");
    if (shots != nullptr) {
      dialog.show();
      dialog.grab().save(QString(shots) + "/print-options.png");
      const RunResult run = RunPair(dir, 4);
      QPrinter printer(QPrinter::HighResolution);
      printer.setFullPage(true);
      pdf::PreparePaper(printer, {});
      QPrintPreviewDialog preview(&printer);
      connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        pdf::PrintSheet(*target, run.studentPath, run.teacherPath, pdf::SheetKind::Teacher, {});
      });
      preview.resize(1000, 800);
      preview.show();
      QTest::qWait(500);
      preview.grab().save(QString(shots) + "/print-preview.png");
    }
  }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
