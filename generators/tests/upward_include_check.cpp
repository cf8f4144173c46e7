// Compiled only by the test that checks the layers: the generators sit below the main window's
// catalog, so this include must not resolve.
#include "shell/catalog.h"

int main() {
  return 0;
}
