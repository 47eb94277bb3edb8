# What `cmake --install` puts where: the program, its desktop entry, AppStream metainfo, the
# icon in the hicolor theme, the manual pages (English, and French under man/fr), the teacher's
# guide, the lesson files' type and the licence. The Debian package (debian/) installs the same,
# the licence aside.

include(GNUInstallDirs)
# Named after the package, as Debian wants, not after the CMake project.
set(ONDALIS_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${ONDALIS_EXECUTABLE})
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME Programme)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(ONDALIS_SOURCES_INSTALLATION ${PROJECT_SOURCE_DIR}/installation)
set(ONDALIS_GENERE ${PROJECT_BINARY_DIR}/installation)

# The icon files come from the drawing the program itself shows.
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(ondalis_icones ${PROJECT_SOURCE_DIR}/outils/GenereIcones.cpp
  ${PROJECT_SOURCE_DIR}/graphe/Icone.cpp ${PROJECT_SOURCE_DIR}/graphe/Icone.h)
target_include_directories(ondalis_icones PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(ondalis_icones PRIVATE Qt6::Gui)
set(ONDALIS_TAILLES_ICONE 16 22 24 32 48 64 128 256)
set(ONDALIS_FICHIERS_ICONE ${ONDALIS_GENERE}/hicolor/scalable/apps/${ONDALIS_ID}.svg)
foreach(taille ${ONDALIS_TAILLES_ICONE})
  list(APPEND ONDALIS_FICHIERS_ICONE
    ${ONDALIS_GENERE}/hicolor/${taille}x${taille}/apps/${ONDALIS_ID}.png)
endforeach()
add_custom_command(OUTPUT ${ONDALIS_FICHIERS_ICONE}
  COMMAND ondalis_icones ${ONDALIS_GENERE} ${ONDALIS_ID}
  DEPENDS ondalis_icones
  COMMENT "Icônes d'Ondalis" VERBATIM)

# Text files with the name, identifier, version and date filled in.
configure_file(${ONDALIS_SOURCES_INSTALLATION}/ondalis.desktop.in
  ${ONDALIS_GENERE}/${ONDALIS_ID}.desktop @ONLY)
configure_file(${ONDALIS_SOURCES_INSTALLATION}/ondalis.metainfo.xml.in
  ${ONDALIS_GENERE}/${ONDALIS_ID}.metainfo.xml @ONLY)
configure_file(${ONDALIS_SOURCES_INSTALLATION}/ondalis.1.in ${ONDALIS_GENERE}/ondalis.1 @ONLY)
configure_file(${ONDALIS_SOURCES_INSTALLATION}/ondalis.fr.1.in ${ONDALIS_GENERE}/fr/ondalis.1 @ONLY)
add_custom_target(ondalis_installation ALL DEPENDS ${ONDALIS_FICHIERS_ICONE})

install(TARGETS ondalis RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS ondalis_audio LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/ondalis
  PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${ONDALIS_GENERE}/${ONDALIS_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ONDALIS_GENERE}/${ONDALIS_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${ONDALIS_GENERE}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${ONDALIS_GENERE}/ondalis.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ONDALIS_GENERE}/fr/ondalis.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1)
# Lesson files: their type (application/x-ondalis), shown with the program's icon.
install(FILES ${ONDALIS_SOURCES_INSTALLATION}/ondalis.mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${ONDALIS_ID}.xml)
foreach(icone ${ONDALIS_FICHIERS_ICONE})
  get_filename_component(taille ${icone} DIRECTORY)
  get_filename_component(taille ${taille} DIRECTORY)
  get_filename_component(taille ${taille} NAME)
  get_filename_component(extension ${icone} LAST_EXT)
  install(FILES ${icone} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}/mimetypes
    RENAME application-x-ondalis${extension})
endforeach()

# The teacher's guide with the pictures it shows, read from its own links.
file(STRINGS ${PROJECT_SOURCE_DIR}/docs/guide.md ONDALIS_LIENS_GUIDE ENCODING UTF-8 REGEX "!\\[[^]]*\\]\\([^)]+\\)")
set(ONDALIS_GUIDE ${PROJECT_SOURCE_DIR}/docs/guide.md)
foreach(lien ${ONDALIS_LIENS_GUIDE})
  string(REGEX REPLACE ".*!\\[[^]]*\\]\\(([^)]+)\\).*" "\\1" image "${lien}")
  list(APPEND ONDALIS_GUIDE ${PROJECT_SOURCE_DIR}/docs/${image})
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/guide.md)
install(FILES ${ONDALIS_GUIDE} DESTINATION ${ONDALIS_DOCDIR})
# The Debian package leaves it out: its copyright file points to /usr/share/common-licenses.
install(FILES ${PROJECT_SOURCE_DIR}/COPYING DESTINATION ${ONDALIS_DOCDIR})
