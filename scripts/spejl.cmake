# Mirrors the folder KILDE into MAAL: copies the files that are new or
# changed (keeping their permissions, so scripts stay executable) and removes
# from MAAL what KILDE no longer has. Run with cmake -P.
file(GLOB_RECURSE kilder RELATIVE ${KILDE} LIST_DIRECTORIES false ${KILDE}/*)
foreach(f ${kilder})
  get_filename_component(mappe ${MAAL}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${mappe})
  file(COPY_FILE ${KILDE}/${f} ${MAAL}/${f} ONLY_IF_DIFFERENT)
endforeach()
if(EXISTS ${MAAL})
  file(GLOB_RECURSE maal RELATIVE ${MAAL} LIST_DIRECTORIES false ${MAAL}/*)
  list(REMOVE_ITEM maal ${kilder})
  foreach(f ${maal})
    file(REMOVE ${MAAL}/${f})
  endforeach()
endif()
