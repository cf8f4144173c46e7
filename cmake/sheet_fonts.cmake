# The sheet's faces at build time: the layout's width table and the page's fonts are made from the
# font files by the tools in tools/, with Debian's python3-fonttools. A missing font file or module
# fails the configuration, naming the Debian package to install; there is no fallback face.

# Debian's interpreter, which python3-fonttools is installed for, ahead of any other on the PATH.
find_program(MATHSHEETS_FONT_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH
             NO_CMAKE_FIND_ROOT_PATH DOC "The Python 3 that has fontTools (Debian's python3)")
if(NOT MATHSHEETS_FONT_PYTHON)
  message(FATAL_ERROR "The sheet's fonts are read at build time by Debian's python3: "
                      "apt-get install python3 python3-fonttools")
endif()
# The tools, for the functions below wherever they are called.
set(MATHSHEETS_FONT_TOOLS ${CMAKE_SOURCE_DIR}/tools CACHE INTERNAL "")
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${MATHSHEETS_FONT_TOOLS}/sheet_fonts.py)

# Checks the font files and the Python MODULES, and sets OUT to the font files.
function(mathsheets_font_files out)
  execute_process(COMMAND ${MATHSHEETS_FONT_PYTHON} ${MATHSHEETS_FONT_TOOLS}/sheet_fonts.py ${ARGN}
                  OUTPUT_VARIABLE files ERROR_VARIABLE error RESULT_VARIABLE failed
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(failed)
    message(FATAL_ERROR "${error}")
  endif()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# Compiles the table of the faces' advance widths into TARGET.
function(mathsheets_font_widths target)
  mathsheets_font_files(fonts fontTools)
  set(table ${CMAKE_CURRENT_BINARY_DIR}/font_width_table.cpp)
  add_custom_command(
    OUTPUT ${table}
    COMMAND ${MATHSHEETS_FONT_PYTHON} ${MATHSHEETS_FONT_TOOLS}/font_widths.py --out ${table}
    DEPENDS ${MATHSHEETS_FONT_TOOLS}/font_widths.py ${MATHSHEETS_FONT_TOOLS}/sheet_fonts.py ${fonts}
    COMMENT "Reading the advance widths of the sheet's faces")
  target_sources(${target} PRIVATE ${table})
endfunction()

# Writes CSS, the @font-face rules of the page's fonts: the faces subset to the table's code
# points, as WOFF2 inlined.
function(mathsheets_font_subsets css)
  mathsheets_font_files(fonts fontTools brotli)
  add_custom_command(
    OUTPUT ${css}
    COMMAND ${MATHSHEETS_FONT_PYTHON} ${MATHSHEETS_FONT_TOOLS}/font_subsets.py --out ${css}
    DEPENDS ${MATHSHEETS_FONT_TOOLS}/font_subsets.py ${MATHSHEETS_FONT_TOOLS}/sheet_fonts.py ${fonts}
    COMMENT "Subsetting the sheet's faces for the page")
endfunction()
