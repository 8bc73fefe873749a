# Lays out a sample catalog beside the program:
#   cmake -DSAMPLE_DIR=<folder> -DPROGRAM_DIR=<folder> [-DWITH_DATA=ON] -P lay_out_sample.cmake
# copies the two settings files of SAMPLE_DIR into PROGRAM_DIR and, with WITH_DATA, the
# sample's data folder to PROGRAM_DIR/data, each only where it is not there yet: the program
# writes into its settings and data (cached counts, waypoint mappings, item files), and every
# build runs this again. Deleting a laid-out file or the data folder lays it out afresh.
foreach(var SAMPLE_DIR PROGRAM_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "lay_out_sample.cmake needs -D${var}=<folder>")
  endif()
endforeach()

# A link counts as there, even one whose target is gone: it is the owner's.
function(is_there path out)
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

file(MAKE_DIRECTORY "${PROGRAM_DIR}")
foreach(name 峰嵐錄.txt Local.txt)
  is_there("${PROGRAM_DIR}/${name}" there)
  if(NOT there)
    file(COPY_FILE "${SAMPLE_DIR}/${name}" "${PROGRAM_DIR}/${name}")
  endif()
endforeach()

if(WITH_DATA)
  is_there("${PROGRAM_DIR}/data" there)
  if(NOT there)
    # Copied beside it and then renamed, so that an interrupted copy never counts as laid out.
    set(staging "${PROGRAM_DIR}/.data-layout")
    file(REMOVE_RECURSE "${staging}")
    file(COPY "${SAMPLE_DIR}/data" DESTINATION "${staging}")
    file(RENAME "${staging}/data" "${PROGRAM_DIR}/data")
    file(REMOVE_RECURSE "${staging}")
  endif()
endif()
