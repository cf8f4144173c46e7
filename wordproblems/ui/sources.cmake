list(APPEND MATHSHEETS_UI_SOURCES
  wordproblems/ui/problem_window.cpp
)
list(APPEND MATHSHEETS_UI_TESTS
  wordproblems/ui/tests/problem_window_test.cpp
)
