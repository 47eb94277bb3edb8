# The Debian package, built by `cpack -G DEB` from the install rules: CPack reuses what
# `cmake --install` already knows, and the package needs no separate debian/ tree to keep in
# step with the build. Library dependencies are read from the binary by dpkg-shlibdeps.

set(CPACK_PACKAGE_NAME ${ONDALIS_EXECUTABLE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${ONDALIS_AUTEUR}")
set(CPACK_PACKAGE_CONTACT "${ONDALIS_MAINTENEUR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "recomposition harmonique d'un signal périodique")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/paquet)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
# The program and Debian's documentation files; the licence text stays out (see copyright).
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};Programme;/"
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};Debian;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ONDALIS_SITE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# "Times New Roman" resolves to Liberation Serif, whose metrics the window designs assume.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# French labels on Qt's own dialog buttons; an audio server to hear the signal.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, pulseaudio | pipewire-pulse")
# CPack puts the summary on the synopsis line; this is the extended part.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Ondalis est un outil d'enseignement des séries de Fourier. Il reconstitue
un signal périodique en additionnant sa valeur moyenne et ses harmoniques
de rang 1 à 10, réglés au curseur ou calculés pour un signal rectangulaire,
triangulaire ou en dents de scie, et trace chaque harmonique et leur somme
sur une période.")

include(CPack)
