# mathsheets_layer_headers(TARGET FOLDER)
#
# Publishes the headers of the layer library TARGET, whose sources are in FOLDER. They are reached
# as "FOLDER/name.h" through an include root that holds only FOLDER, so a target sees them only by
# linking TARGET: an include of a layer that is not linked fails to compile. The repository root
# itself is never an include directory.
function(mathsheets_layer_headers target folder)
  set(root ${CMAKE_BINARY_DIR}/include_roots/${target})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# mathsheets_layer_tests(NAME SOURCES... LINKS targets...)
#
# A GoogleTest program beside a layer; tests may use the layers above the one they test.
function(mathsheets_layer_tests name)
  if(NOT MATHSHEETS_TESTS)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 1 tests "" "" "SOURCES;LINKS")
  add_executable(${name} ${tests_SOURCES})
  target_link_libraries(${name} PRIVATE ${tests_LINKS} mathsheets_testing GTest::gtest_main)
  # GoogleTest and the standard headers every test uses, parsed once per program, not per file.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <cstdint> <functional> <regex> <string>
                            <vector>)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
