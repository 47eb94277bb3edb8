# Fails when a file of a layer includes a header of a layer above it. The build already refuses
# such an include in every file it compiles; this also covers the headers that only an upper
# layer compiles. Usage: cmake -DSOURCES=<project root> -P VerifieCouches.cmake
set(COUCHES calcul graphe output ui app) # lowest first

set(fautes "")
set(hautes ${COUCHES})
foreach(couche ${COUCHES})
  list(REMOVE_AT hautes 0) # the layers above this one
  if(NOT hautes)
    break()
  endif()
  list(JOIN hautes "|" motif)
  file(GLOB_RECURSE fichiers ${SOURCES}/${couche}/*.h ${SOURCES}/${couche}/*.cpp)
  foreach(fichier ${fichiers})
    file(STRINGS ${fichier} lignes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](${motif})/")
    foreach(ligne ${lignes})
      string(APPEND fautes "\n  ${fichier}: ${ligne}")
    endforeach()
  endforeach()
endforeach()

if(fautes)
  message(FATAL_ERROR "Inclusions vers une couche supérieure :${fautes}")
endif()
message(STATUS "Couches : aucune inclusion vers le haut.")
