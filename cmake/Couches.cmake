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

# One layer's library: every source of its folder (the program's entry point aside), its own
# headers, and the layers it links (the arguments after the folder).
function(ondalis_couche couche)
  file(GLOB sources CONFIGURE_DEPENDS ${ONDALIS_RACINE}/${couche}/*.cpp ${ONDALIS_RACINE}/${couche}/*.h)
  list(FILTER sources EXCLUDE REGEX "/app/main\\.cpp$")
  add_library(ondalis_${couche} STATIC ${sources})
  ondalis_inclusions(ondalis_${couche} ${couche})
  target_link_libraries(ondalis_${couche} PUBLIC ${ARGN})
endfunction()
