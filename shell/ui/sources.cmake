list(APPEND MATHSHEETS_UI_SOURCES
  shell/ui/error_box.cpp
  shell/ui/main_window.cpp
  shell/ui/picture_box.cpp
)
list(APPEND MATHSHEETS_UI_TESTS
  shell/ui/tests/main_window_test.cpp
)
