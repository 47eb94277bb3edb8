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

# Who publishes it and where it lives (metainfo).
set(ONDALIS_AUTEUR "L'équipe Ondalis")
set(ONDALIS_SITE "https://github.com/ondalis/ondalis")
set(ONDALIS_CAPTURE "https://raw.githubusercontent.com/ondalis/ondalis/main/docs/ondalis.png")

# The date of this version (man pages, metainfo) is the one of the newest debian/changelog
# entry, which also fixes SOURCE_DATE_EPOCH for the package: one date, and a changelog that
# cannot lag behind the version.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/debian/changelog)
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog ONDALIS_CHANGELOG ENCODING UTF-8 REGEX "^(ondalis \\(| -- )")
list(GET ONDALIS_CHANGELOG 0 ONDALIS_ENTREE)
list(GET ONDALIS_CHANGELOG 1 ONDALIS_SIGNATURE)
if(NOT ONDALIS_ENTREE MATCHES "^ondalis \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "debian/changelog : la dernière entrée n'est pas la version ${PROJECT_VERSION}")
endif()
set(ONDALIS_MOIS Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
if(NOT ONDALIS_SIGNATURE MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) "
    OR NOT CMAKE_MATCH_2 IN_LIST ONDALIS_MOIS)
  message(FATAL_ERROR "debian/changelog : date illisible dans « ${ONDALIS_SIGNATURE} »")
endif()
set(ONDALIS_DATE_VERSION "${CMAKE_MATCH_3}-@-${CMAKE_MATCH_1}")
list(FIND ONDALIS_MOIS ${CMAKE_MATCH_2} ONDALIS_RANG_MOIS)
math(EXPR ONDALIS_RANG_MOIS "${ONDALIS_RANG_MOIS} + 101")
string(SUBSTRING ${ONDALIS_RANG_MOIS} 1 2 ONDALIS_RANG_MOIS)
string(REPLACE @ ${ONDALIS_RANG_MOIS} ONDALIS_DATE_VERSION ${ONDALIS_DATE_VERSION})
