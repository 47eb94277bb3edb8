# Fails when a file of a layer includes a header of a layer above it. The build already refuses
# such an include in every file it compiles; this also covers the headers that only an upper
# layer compiles. Usage: cmake -DSOURCES=<project root> -P VerifieCouches.cmake
set(COUCHES calcul graphe output ui app) # lowest first

set(fautes "")
list(LENGTH COUCHES nombre)
math(EXPR dernier "${nombre} - 1")
foreach(i RANGE ${dernier})
  list(GET COUCHES ${i} couche)
  math(EXPR suivant "${i} + 1")
  if(suivant GREATER dernier)
    continue()
  endif()
  set(hautes "")
  foreach(j RANGE ${suivant} ${dernier})
    list(GET COUCHES ${j} haute)
    list(APPEND hautes ${haute})
  endforeach()
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
