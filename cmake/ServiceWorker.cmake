# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Writes the site's service worker from its template: the list of the
# site's own files, as the build names them (FILES), and the build's key,
# the first 16 digits of a SHA-256 over those files, so that any change to
# any of them makes a new worker with a new cache. Run as a script after
# the site is built:
#   cmake -DSITE=build-web/site "-DFILES=index.html;planner.css" \
#         -DTEMPLATE=window/web/sw.js.in -P ServiceWorker.cmake
set(names ${FILES})
list(SORT names)
set(digests "")
set(PLANNER_SITE_FILES "'./'")
foreach(name ${names})
  file(SHA256 ${SITE}/${name} digest)
  string(APPEND digests "${name} ${digest}\n")
  string(APPEND PLANNER_SITE_FILES ", '${name}'")
endforeach()
string(SHA256 key "${digests}")
string(SUBSTRING ${key} 0 16 PLANNER_BUILD_KEY)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
