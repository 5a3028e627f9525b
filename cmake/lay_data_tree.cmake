# Copies the data tree SRC into DST: teaching data is refreshed, record files are kept.
cmake_policy(SET CMP0057 NEW)  # if(... IN_LIST ...) in script mode
set(record_files "files/phb.txt" "files/record.dat" "files/record.txt")
file(GLOB_RECURSE entries RELATIVE ${SRC} ${SRC}/*)
foreach(rel IN LISTS entries)
  if(rel MATCHES "(^|/)README\\.md$")
    continue()
  endif()
  if(rel IN_LIST record_files AND EXISTS ${DST}/${rel})
    continue()
  endif()
  get_filename_component(dir ${DST}/${rel} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${SRC}/${rel} ${DST}/${rel} ONLY_IF_DIFFERENT)
endforeach()

# The generated picture folders hold exactly what the data tree holds: a picture dropped from it
# must not stay on a board (the drills list every picture of a folder) with a code of the past.
foreach(folder exercise/bixing exercise/fubu exercise/caisezi statement)
  file(GLOB beside RELATIVE ${DST} ${DST}/${folder}/*)
  foreach(rel IN LISTS beside)
    if(NOT EXISTS ${SRC}/${rel})
      file(REMOVE ${DST}/${rel})
    endif()
  endforeach()
endforeach()
