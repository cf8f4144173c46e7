list(APPEND MATHSHEETS_UI_SOURCES
  wordproblems/ui/problem_window.cpp
)
