# One static library per layer, each linking only the layers below it:
#   calcul <- graphe <- output <- ui <- app (+ the executable).
# A layer's headers are reached as "couche/Fichier.h" through a directory of the build that
# holds its own folder alone; it sees a lower layer's folder only by linking that layer. An
# include that goes up therefore does not compile, and the check in tests/ catches the headers
# no file of their own layer compiles.
# The sources are found from this file, so a project that builds one layer alone (the fuzz
# targets) uses the same rule.
set(ONDALIS_RACINE ${CMAKE_CURRENT_LIST_DIR}/..)
function(ondalis_inclusions cible couche)
  set(racine ${PROJECT_BINARY_DIR}/inclusions/${couche})
  file(MAKE_DIRECTORY ${racine})
  file(CREATE_LINK ${ONDALIS_RACINE}/${couche} ${racine}/${couche} SYMBOLIC)
  target_include_directories(${cible} PUBLIC ${racine})
endfunction()
