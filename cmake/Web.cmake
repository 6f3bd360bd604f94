# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The browser build (Emscripten): the web view over the same core, linked
# twice: for the served site, a script and its WebAssembly in two parts,
# the window's and what only the builder's forms run; for the zip
# that opens from the disk (file://, where browsers fetch no .wasm), one
# script with the WebAssembly inside. The site around it and its zip; and
# its tests (tests/web).
add_library(planner_markup STATIC window/web/form_markup.cpp window/web/markup.cpp
  window/web/rules.cpp)
target_link_libraries(planner_markup PUBLIC planner_core)
add_library(planner_web STATIC window/web/dom.cpp window/web/form_view.cpp
  window/web/forms_on_page.cpp window/web/page.cpp
  window/web/print.cpp window/web/scroll_bar.cpp window/web/svg.cpp)
target_link_libraries(planner_web PUBLIC planner_markup)

# Node runs what is built for it as the toolchain's cross-compiling emulator.
set(node_options -sENVIRONMENT=node -sSINGLE_FILE=1 -sWASM_ASYNC_COMPILATION=0 -sEXIT_RUNTIME=1)

# The served site: the script and its WebAssembly apart, so that the
# browser compiles the module while it downloads it, and the module in two
# parts, the window's and the builder's forms' (cmake/SplitModule.cmake,
# window/web/deferred.js); no eval (the page's policy forbids it, and
# allows WebAssembly's compile alone), no file system.
set(site ${PROJECT_BINARY_DIR}/site)
set(web_js ${PROJECT_SOURCE_DIR}/window/web/objects.js ${PROJECT_SOURCE_DIR}/window/web/deferred.js)
set(web_link_options -sENVIRONMENT=web -sDYNAMIC_EXECUTION=0 -sMALLOC=emmalloc
  -sFILESYSTEM=0 -sSUPPORT_LONGJMP=0 "SHELL:--pre-js ${PROJECT_SOURCE_DIR}/window/web/objects.js")
add_executable(planner app/web_main.cpp)
target_link_libraries(planner PRIVATE planner_web)
set_target_properties(planner PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${site})
# The functions' names go to the splitting alone: the parts have none.
target_link_options(planner PRIVATE ${web_link_options} -sSPLIT_MODULE=1 --profiling-funcs
  "SHELL:--pre-js ${PROJECT_SOURCE_DIR}/window/web/deferred.js"
  "-sINCOMING_MODULE_JS_API=[loadSplitModule,printErr]" -Wno-experimental)
add_custom_command(TARGET planner POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/split
  COMMAND ${CMAKE_COMMAND} -DORIGINAL=${site}/planner.wasm.orig -DPRIMARY=${site}/planner.wasm
          -DDEFERRED=${site}/planner.deferred.wasm -DWORK=${PROJECT_BINARY_DIR}/split
          -P ${PROJECT_SOURCE_DIR}/cmake/SplitModule.cmake VERBATIM)
# The zip, opened from the disk, where browsers fetch no .wasm file: one
# script with the WebAssembly inside, compiled at once (an asynchronous
# compile of the embedded module would first try to fetch it).
set(from_disk ${PROJECT_BINARY_DIR}/from-disk)
add_executable(planner_from_disk app/web_main.cpp)
target_link_libraries(planner_from_disk PRIVATE planner_web)
set_target_properties(planner_from_disk PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${from_disk}
  OUTPUT_NAME planner)
target_link_options(planner_from_disk PRIVATE ${web_link_options} -sSINGLE_FILE=1
  -sWASM_ASYNC_COMPILATION=0 "-sINCOMING_MODULE_JS_API=[]")
set_property(TARGET planner planner_from_disk PROPERTY LINK_DEPENDS ${web_js})

# The page's policy: its own files only, no script but its own, no eval
# but WebAssembly's, and no string into an HTML or script sink: only the
# planner's one Trusted Types policy, which passes its worker's address.
# The same in the page (a meta element) and for hosts that take headers
# from a _headers file, where frame-ancestors is added: only a header can
# say it, and a page says nothing of it without a warning.
set(PLANNER_CSP "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; object-src 'none'; base-uri 'none'; form-action 'none'; require-trusted-types-for 'script'; trusted-types dish-planner")
configure_file(window/web/index.html ${PROJECT_BINARY_DIR}/web/index.html @ONLY)
configure_file(window/web/_headers.in ${site}/_headers @ONLY)

# The page and its style sheet hold the window as Form_Load leaves it.
add_executable(render_site window/web/render_site.cpp)
target_link_libraries(render_site PRIVATE planner_markup)
target_link_options(render_site PRIVATE ${node_options} -sNODERAWFS=1)
add_custom_command(OUTPUT ${site}/index.html
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:render_site> page
          ${PROJECT_BINARY_DIR}/web/index.html ${site}/index.html
  DEPENDS render_site ${PROJECT_BINARY_DIR}/web/index.html VERBATIM)
add_custom_command(OUTPUT ${site}/planner.css
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:render_site> rules
          ${PROJECT_SOURCE_DIR}/window/web/planner.css ${site}/planner.css
  DEPENDS render_site ${PROJECT_SOURCE_DIR}/window/web/planner.css VERBATIM)
# The site's files, this list and nothing else: what the worker keeps for
# offline use and what the zip holds (its script the one from the disk,
# the WebAssembly inside), whatever else the folder may hold.
set(site_files index.html planner.css planner.js planner.wasm planner.deferred.wasm)
foreach(file window/web/noscript.css window/web/manifest.webmanifest
    resources/planner-16.png resources/planner-32.png resources/planner-192.png
    resources/planner.svg resources/planner-maskable.svg)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${site}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${file} ${site}/${name}
    DEPENDS ${PROJECT_SOURCE_DIR}/${file} VERBATIM)
  list(APPEND site_files ${name})
endforeach()
list(TRANSFORM site_files PREPEND ${site}/ OUTPUT_VARIABLE site_paths)
list(REMOVE_ITEM site_paths ${site}/planner.js ${site}/planner.wasm # the target's own output
  ${site}/planner.deferred.wasm)

# The service worker, last: it lists every other file and is named for them.
add_custom_command(OUTPUT ${site}/sw.js
  COMMAND ${CMAKE_COMMAND} -DSITE=${site} "-DFILES=${site_files}"
          -DTEMPLATE=${PROJECT_SOURCE_DIR}/window/web/sw.js.in
          -P ${PROJECT_SOURCE_DIR}/cmake/ServiceWorker.cmake
  DEPENDS planner ${site_paths} ${PROJECT_SOURCE_DIR}/window/web/sw.js.in
          ${PROJECT_SOURCE_DIR}/cmake/ServiceWorker.cmake VERBATIM)

# The zip: one folder, dish-planner-<version>-web/, to unpack and open:
# the site's files with the script from the disk, and a worker of its own
# that lists them, should the folder be served after all.
set(web_zip ${PROJECT_BINARY_DIR}/${PLANNER_ARTEFACT}-web.zip)
set(zip_root ${PLANNER_ARTEFACT}-web)
set(zip_files ${site_files})
list(REMOVE_ITEM zip_files planner.wasm planner.deferred.wasm)
set(zip_copied ${zip_files} _headers)
list(REMOVE_ITEM zip_copied planner.js)
list(TRANSFORM zip_copied PREPEND ${site}/ OUTPUT_VARIABLE zip_paths)
set(zip_folder ${PROJECT_BINARY_DIR}/zip/${zip_root})
add_custom_command(OUTPUT ${web_zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PROJECT_BINARY_DIR}/zip
  COMMAND ${CMAKE_COMMAND} -E make_directory ${zip_folder}
  COMMAND ${CMAKE_COMMAND} -E copy ${zip_paths} ${from_disk}/planner.js ${zip_folder}
  COMMAND ${CMAKE_COMMAND} -DSITE=${zip_folder} "-DFILES=${zip_files}"
          -DTEMPLATE=${PROJECT_SOURCE_DIR}/window/web/sw.js.in
          -P ${PROJECT_SOURCE_DIR}/cmake/ServiceWorker.cmake
  COMMAND ${CMAKE_COMMAND} -E chdir ${PROJECT_BINARY_DIR}/zip
          ${CMAKE_COMMAND} -E tar cf ${web_zip} --format=zip ${zip_root}
  DEPENDS planner planner_from_disk ${site_paths} ${site}/sw.js VERBATIM)
add_custom_target(site ALL DEPENDS ${site_paths} ${site}/sw.js ${web_zip})

include(CTest)
if(BUILD_TESTING)
  include(cmake/TestLibraries.cmake)
  add_subdirectory(tests/web)
endif()
