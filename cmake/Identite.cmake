# The program's name, version and desktop identifier, given once: the configured header carries
# them to the code, the install rules and the package read the same variables.
#
# The identifier is reverse-DNS, as the desktop entry, the icon theme and AppStream want; the
# project owns no domain, so it takes the form of the code host's per-project namespace.
set(ONDALIS_TITRE "Ondalis")
set(ONDALIS_ID "io.github.ondalis.Ondalis")
set(ONDALIS_EXECUTABLE "ondalis")

configure_file(${CMAKE_CURRENT_LIST_DIR}/OndalisVersion.h.in
  ${PROJECT_BINARY_DIR}/genere/OndalisVersion.h @ONLY)
include_directories(${PROJECT_BINARY_DIR}/genere)

# Who publishes it, where it lives, and the date of this version (metainfo, changelog, man page).
set(ONDALIS_AUTEUR "L'équipe Ondalis")
set(ONDALIS_MAINTENEUR "${ONDALIS_AUTEUR} <contact@example.org>" CACHE STRING
  "Maintainer of the Debian package: name <address>")
set(ONDALIS_SITE "https://github.com/ondalis/ondalis")
set(ONDALIS_CAPTURE "https://raw.githubusercontent.com/ondalis/ondalis/main/docs/ondalis.png")
set(ONDALIS_DATE_VERSION "2026-12-06")
set(ONDALIS_DATE_CHANGELOG "Sun, 06 Dec 2026 12:00:00 +0000")
set(ONDALIS_ANNEE "2026")
