# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Splits the served site's WebAssembly in two: the window's part, which a
# first visit needs, and the code that only the builder's forms run, which
# the page fetches once the window is ready (window/web/deferred.js). Run
# as a script on what Emscripten links with SPLIT_MODULE and its function
# names (ORIGINAL, planner.wasm.orig):
#   cmake -DORIGINAL=site/planner.wasm.orig -DPRIMARY=site/planner.wasm \
#         -DDEFERRED=site/planner.deferred.wasm -DWORK=split -P SplitModule.cmake
# A function goes to the second part when its name says it is the forms'
# (their presenter, their tools, their view and what only these call)
# and nothing in the first part calls it but through the doors, the
# page's one way into the forms (window/web/forms_on_page.h); all else,
# the template's drawing and the figures the two share included, stays
# in the first (cmake/deferred-functions.awk). Should the window call into
# the second part before it has come, through a function's address, the
# page fetches it at once and says so as an error, which fails the page
# tests.
set(doors "^planner::web::FormsOnPage::")
set(forms_alone
  "planner::form::" "planner::Forms::" "planner::feed::" "planner::feedform::"
  "CheckTool" "FeedTool" "planner::web::FormsOnPage" "planner::web::FormView"
  "planner::web::idOf" "planner::web::problemIdOf"
  "planner::Session::(forms|built|followWindow|typed|chose|pasted|pressed)[^A-Za-z]"
  "planner::DishCheck" "planner::checkDish" "planner::ParabolaFit"
  "planner::sectionPicture" "planner::PastedRows" "planner::pastedRows"
  "planner::holdsRows" "planner::copiedRows" "planner::visibleText"
  "planner::says[^A-Za-z]" "planner::bound[^A-Za-z]" "planner::typedFigure")
list(JOIN forms_alone "|" pattern)

# The names, one a line as "index:name" and escaped as Binaryen escapes
# them ("\28" for "("), and the direct calls between them.
execute_process(COMMAND wasm-opt ${ORIGINAL} -all --print-function-map -o ${WORK}/unused.wasm
  OUTPUT_FILE ${WORK}/functions.txt COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND wasm-opt ${ORIGINAL} -all --print-call-graph -o ${WORK}/unused.wasm
  OUTPUT_FILE ${WORK}/calls.dot COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND awk -v "pattern=${pattern}" -v "doors=${doors}"
  -f ${CMAKE_CURRENT_LIST_DIR}/deferred-functions.awk ${WORK}/functions.txt ${WORK}/calls.dot
  OUTPUT_FILE ${WORK}/deferred-functions.txt COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND wasm-split ${ORIGINAL} -all --export-prefix=%
  --split-funcs=@${WORK}/deferred-functions.txt --placeholdermap -o1 ${PRIMARY} -o2 ${DEFERRED}
  COMMAND_ERROR_IS_FATAL ANY)
# Which function each placeholder stands for, out of the site, for when
# the console names one.
file(RENAME ${PRIMARY}.placeholders ${WORK}/placeholders.txt)
file(REMOVE ${ORIGINAL} ${WORK}/unused.wasm)
