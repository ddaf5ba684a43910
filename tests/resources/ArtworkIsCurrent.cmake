# Compares freshly drawn artwork with the checked-in pictures, so a change to
# the generator cannot land without its redrawn output (or a hand edit of a
# picture without the generator change behind it).
# Usage: cmake -DFRESH=<folder> -DCHECKED_IN=<folder> -P ArtworkIsCurrent.cmake
file(GLOB fresh RELATIVE ${FRESH} ${FRESH}/*)
file(GLOB checked_in RELATIVE ${CHECKED_IN} ${CHECKED_IN}/*)
if(NOT fresh)
  message(FATAL_ERROR "the generator drew nothing into ${FRESH}")
endif()
if(NOT fresh STREQUAL checked_in)
  message(FATAL_ERROR "the generator draws [${fresh}] but [${checked_in}] are checked in")
endif()
set(stale "")
foreach(file IN LISTS fresh)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${FRESH}/${file} ${CHECKED_IN}/${file}
                  RESULT_VARIABLE differs)
  if(differs)
    list(APPEND stale ${file})
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "checked-in artwork differs from what the generator draws: ${stale}\n"
                      "Redraw it with: cmake --build build --target regenerate_artwork")
endif()
