#include "pdf/headless_gui.h"

#include <cstdlib>

namespace mathsheets::pdf {

HeadlessGui::HeadlessGui() {
  if (QCoreApplication::instance() != nullptr) return;
  argv_[static_cast<std::size_t>(argc_++)] = name_.data();
  const char* chosen = std::getenv("QT_QPA_PLATFORM");
  if (chosen == nullptr || *chosen == '\0') {
    argv_[static_cast<std::size_t>(argc_++)] = platformOption_.data();
    argv_[static_cast<std::size_t>(argc_++)] = platform_.data();
  }
  app_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
}

HeadlessGui::~HeadlessGui() = default;

}  // namespace mathsheets::pdf
