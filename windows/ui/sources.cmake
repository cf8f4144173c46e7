list(APPEND MATHSHEETS_UI_SOURCES
  windows/ui/catalog_window.cpp
  windows/ui/help_windows.cpp
)
list(APPEND MATHSHEETS_UI_TESTS
  windows/ui/tests/windows_test.cpp
)
