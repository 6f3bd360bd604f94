# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The tests' two libraries, header-only, from Debian: doctest (doctest-dev)
# and nlohmann/json (nlohmann-json3-dev). Each build, the cross builds too,
# takes their two folders alone through a folder of links, never the whole
# of the host's /usr/include. Example: target_link_libraries(t PRIVATE
# test_libraries) lets t include <doctest/doctest.h> and <nlohmann/json.hpp>.
set(links ${PROJECT_BINARY_DIR}/test-libraries)
file(MAKE_DIRECTORY ${links})
foreach(library doctest nlohmann)
  if(NOT EXISTS /usr/include/${library})
    message(FATAL_ERROR "/usr/include/${library} is missing: ./build.sh installs it")
  endif()
  file(CREATE_LINK /usr/include/${library} ${links}/${library} SYMBOLIC)
endforeach()
add_library(test_libraries INTERFACE)
target_include_directories(test_libraries SYSTEM INTERFACE ${links})
# The tests' shared tables (worked_states.h), warned about like any test code.
target_include_directories(test_libraries INTERFACE ${PROJECT_SOURCE_DIR}/tests)
# A crash is the sanitizers' or the system's to report, not doctest's.
target_compile_definitions(test_libraries INTERFACE DOCTEST_CONFIG_NO_POSIX_SIGNALS)
