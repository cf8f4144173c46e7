#include "run_control.h"

#include <csignal>

namespace mathsheets::cli {

namespace {

using namespace std::chrono_literals;

constexpr auto kQuietStart = 1s;
constexpr auto kRedrawEvery = 100ms;
constexpr std::array<int, 2> kStopSignals = {SIGINT, SIGTERM};

// A signal handler can only reach the rest of the program through a flag of this type; it does
// nothing else, least of all I/O.
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void RecordStopSignal(int signal) {
  stopSignal = signal;
}

}  // namespace

StopSignals::StopSignals() {
  stopSignal = 0;
  struct sigaction action {};
  action.sa_handler = RecordStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < kStopSignals.size(); ++i)
    sigaction(kStopSignals[i], &action, &previous_[i]);
}

StopSignals::~StopSignals() {
  for (std::size_t i = 0; i < kStopSignals.size(); ++i)
    sigaction(kStopSignals[i], &previous_[i], nullptr);
}

int StopSignals::Received() const {
  return stopSignal;
}

RunControl::RunControl(std::ostream& err, bool showProgress)
    : err_(err), showProgress_(showProgress), start_(std::chrono::steady_clock::now()) {}

RunControl::~RunControl() {
  Finish();
}

ProgressHook RunControl::Hook() {
  return [this](const RunProgress& progress) { return OnProgress(progress); };
}

bool RunControl::OnProgress(const RunProgress& progress) {
  if (StopSignal() != 0) return false;
  if (!showProgress_) return true;
  const auto now = std::chrono::steady_clock::now();
  const bool last = progress.written == progress.total;
  if (now - start_ < kQuietStart || (now - lastShown_ < kRedrawEvery && !last)) return true;
  lastShown_ = now;
  lineShown_ = true;
  err_ << "\rwritten " << progress.written << " of " << progress.total << " variants" << std::flush;
  return true;
}

void RunControl::Finish() {
  if (lineShown_) err_ << '\n' << std::flush;
  lineShown_ = false;
}

std::string StoppedRunReport(int signal, std::int64_t written, std::int64_t asked,
                             const std::string& studentPath, const std::string& teacherPath) {
  const char* name = signal == SIGINT ? "SIGINT" : signal == SIGTERM ? "SIGTERM" : "a signal";
  return "mathsheets-cli: stopped by " + std::string(name) + "; " + std::to_string(written) +
         " of " + std::to_string(asked) + " variants written\n" + studentPath + "\n" + teacherPath +
         "\n";
}

}  // namespace mathsheets::cli
