# SPDX-FileCopyrightText: 2026 The discone developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the web page's folder SITE afresh, so nothing of an older build stays
# in it: PAGES and ENGINE at its top, IMAGES in images/, ICONS in icons/,
# LICENCES in licenses/, and the service worker from SERVICE_WORKER, which
# lists every file and names its cache after a hash of their contents.
file(REMOVE_RECURSE ${SITE})
file(COPY ${PAGES} ${ENGINE} DESTINATION ${SITE})
file(COPY ${IMAGES} DESTINATION ${SITE}/images)
file(COPY ${ICONS} DESTINATION ${SITE}/icons)
file(COPY ${LICENCES} DESTINATION ${SITE}/licenses)

file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(SORT files)
set(contents "")
set(SITE_FILES "'./'")
foreach(file IN LISTS files)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND contents "${file} ${hash}\n")
    string(APPEND SITE_FILES ", '${file}'")
endforeach()
string(SHA256 SITE_VERSION "${contents}")
string(SUBSTRING ${SITE_VERSION} 0 16 SITE_VERSION)
configure_file(${SERVICE_WORKER} ${SITE}/sw.js @ONLY)
