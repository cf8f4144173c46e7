#pragma once

#include <signal.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

#include "worksheet/run_progress.h"

namespace mathsheets::cli {

// What a stopped run tells on standard error: how many variants both files hold, then the paths.
std::string StoppedRunReport(int signal, std::int64_t written, std::int64_t asked,
                             const std::string& studentPath, const std::string& teacherPath);

// While it lives, SIGINT and SIGTERM only record that they came, for the work under way to stop
// where it can; the handlers before it come back at its end.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The signal that came, or 0.
  int Received() const;

 private:
  std::array<struct sigaction, 2> previous_{};
};

// While it lives, SIGINT and SIGTERM stop a run at the end of its current variant instead of
// ending the program with the files cut anywhere. When `showProgress` (standard error is a
// terminal), a run that has gone on for a second shows one line of progress on `err`.
class RunControl {
 public:
  RunControl(std::ostream& err, bool showProgress);
  ~RunControl();
  RunControl(const RunControl&) = delete;
  RunControl& operator=(const RunControl&) = delete;

  ProgressHook Hook();
  // Ends the progress line, if one is shown, so that what follows starts on a line of its own.
  void Finish();

  // Prints both paths on standard output and returns 0 for a run that went to its end; tells on
  // `err_` how many whole variants were written and both paths, and returns 128 + the signal
  // (130 for SIGINT, 143 for SIGTERM) for one stopped by a signal.
  template <class Result>
  int Report(const Result& r, std::ostream& out) {
    Finish();
    if (r.end == RunEnd::Completed) {
      out << r.studentPath.string() << '\n' << r.teacherPath.string() << '\n';
      return 0;
    }
    err_ << StoppedRunReport(StopSignal(), r.variantsWritten, r.variantsAsked,
                             r.studentPath.string(), r.teacherPath.string());
    return 128 + StopSignal();
  }

 private:
  bool OnProgress(const RunProgress& progress);
  // The signal that stopped the run, or 0.
  int StopSignal() const { return signals_.Received(); }

  StopSignals signals_;
  std::ostream& err_;
  bool showProgress_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastShown_{};
  bool lineShown_ = false;
};

}  // namespace mathsheets::cli
