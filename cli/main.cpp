#include <exception>
#include <iostream>
#include <string_view>

#include "commands.h"

namespace {

constexpr std::string_view kUsage = R"(usage:
  mathsheets-cli list
      the 115 types in run order: number, a tab, caption
  mathsheets-cli main [--dir DIR] [--seed N] [--variants TEXT] [--count NO=TEXT]... [--level GROUP=K]... [--pdf] [--docx] [--save-set FILE]
      one run of the main window; prints the student file's path, then the teacher file's
      --dir DIR        working folder; the files go to DIR/gen (default: the current folder)
      --seed N         seed the generator with N (0..4294967295) instead of the clock
      --save-set FILE  also save the set of this run, with its seed, to FILE (FILE.mathsheet)
      --variants TEXT  the text typed into the variants box
      --count NO=TEXT  the text typed into the count box of type NO (1..115); may repeat
      --level GROUP=K  a click on the K-th radio button of GROUP: gcd, fraction, muldiv, mixed,
                       mixedmuldiv
      --pdf            also the PDF of each file, beside it; their paths follow the two above
      --docx           also the Word document of each file, beside it (NAME.docx); their paths
                       follow those above
      PRINT            the choices of the PDFs: --per-page auto|1|2|4, --columns auto|1|2|3,
                       --large, --no-key, --paper a4|a5, --title TEXT (a line of up to 120
                       characters over each variant's header; also on problems, run and pdf)
  mathsheets-cli list-problems
      the 230 word problems in Index order: Index, a tab, caption
  mathsheets-cli problems [--dir DIR] [--seed N] [--variants TEXT] [--select CAPTION[,CAPTION...]] [--pdf] [--docx] [--save-set FILE]
      one run of the word-problem window with those problems ticked
  mathsheets-cli run FILE.mathsheet [--dir DIR] [--pdf] [--docx] [PRINT]
      the run of a saved set, with its seed: the same files as the run that saved it; PRINT
      choices given here stand over the set's
  mathsheets-cli results SET.mathsheet FILE... [--out FILE.csv]
      the pupils' result codes found in files of pasted text (a chat, e-mails), judged against
      the set's sheets: the CSV of the page's "Результаты" tab, on standard output or in FILE.csv;
      codes of another set and damaged ones are named on standard error
  mathsheets-cli preview CAPTION [--seed N]
      the preview lines of one fresh instance of a word problem
  mathsheets-cli pdf STUDENT.txt [TEACHER.txt] [--out-dir DIR] [PRINT]
      the typeset sheets of a pair: the pupil's and the teacher's PDF, beside the files or in DIR;
      the teacher file is found beside the student file by its name; prints the paths of the PDFs
  mathsheets-cli docx STUDENT.txt [TEACHER.txt] [--out-dir DIR] [PRINT]
      the same sheets as Word documents (.docx) with every fraction an equation, to edit in Word
      or LibreOffice; prints their paths
)";

}  // namespace

int main(int argc, char** argv) {
  using namespace mathsheets::cli;
  Arguments args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << kUsage;
    return kExitUsage;
  }
  const std::string_view command = args.front();
  args.erase(args.begin());
  try {
    if (command == "list") return ListCommand(args);
    if (command == "main") return MainCommand(args);
    if (command == "list-problems") return ListProblemsCommand(args);
    if (command == "problems") return ProblemsCommand(args);
    if (command == "preview") return PreviewCommand(args);
    if (command == "run") return RunCommand(args);
    if (command == "results") return ResultsCommand(args);
    if (command == "pdf") return PdfCommand(args);
    if (command == "docx") return DocxCommand(args);
    if (command == "--help" || command == "help") {
      std::cout << kUsage;
      return kExitSuccess;
    }
    throw UsageError{"unknown command " + std::string(command)};
  } catch (const UsageError& e) {
    std::cerr << "mathsheets-cli: " << e.message << "\n" << kUsage;
    return kExitUsage;
  } catch (const std::exception& e) {
    // Whatever else fails is reported like an I/O failure, never left to abort the program.
    std::cerr << "mathsheets-cli: " << e.what() << '\n';
    return kExitIoError;
  }
}
