# The sample layout in a scratch folder: a first layout copies the sample; a later one (as every
# build runs it) keeps whatever a run changed, added or deleted there, and lays out only what is
# missing.
#   cmake -DLAYOUT_SCRIPT=<tools/lay_out_sample.cmake> -DSAMPLE_DIR=<sample> -DWORK_DIR=<scratch>
#         -P SampleLayoutTest.cmake
foreach(var LAYOUT_SCRIPT SAMPLE_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "SampleLayoutTest.cmake needs -D${var}")
  endif()
endforeach()

set(program "${WORK_DIR}/bin")
set(nature "${WORK_DIR}/nature")
set(item "data/山/玉山主峰.txt")
set(failures 0)

function(lay_out sample target with_data)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -DSAMPLE_DIR=${sample} -DPROGRAM_DIR=${target}
            -DWITH_DATA=${with_data} -P "${LAYOUT_SCRIPT}"
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the layout failed: ${result}")
  endif()
endfunction()

function(expect_same_as_sample sample target name)
  if(NOT EXISTS "${target}/${name}")
    message(SEND_ERROR "${name} was not laid out")
    return()
  endif()
  file(SHA256 "${sample}/${name}" want)
  file(SHA256 "${target}/${name}" got)
  if(NOT want STREQUAL got)
    message(SEND_ERROR "${name} differs from the sample's")
  endif()
endfunction()

function(expect_text target name text)
  set(got "")
  if(EXISTS "${target}/${name}")
    file(READ "${target}/${name}" got)
  endif()
  if(NOT got STREQUAL text)
    message(SEND_ERROR "${name} lost what the run wrote there")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")

# A fresh folder gets the sample: both settings files and the data folder.
lay_out("${SAMPLE_DIR}" "${program}" ON)
foreach(name 峰嵐錄.txt Local.txt data/Cache.txt data/Mapping.txt ${item})
  expect_same_as_sample("${SAMPLE_DIR}" "${program}" ${name})
endforeach()
lay_out("${SAMPLE_DIR}/nature" "${nature}" OFF)
foreach(name 峰嵐錄.txt Local.txt)
  expect_same_as_sample("${SAMPLE_DIR}/nature" "${nature}" ${name})
endforeach()

# What a run changes: cached counts, mappings, an item file, the settings; a deleted item file
# and a new file.
file(WRITE "${program}/data/Cache.txt" "counts of the run")
file(WRITE "${program}/data/Mapping.txt" "mappings of the run")
file(WRITE "${program}/${item}" "Height=3953")
file(WRITE "${program}/峰嵐錄.txt" "settings of the run")
file(WRITE "${program}/Local.txt" "local settings of the run")
file(REMOVE "${program}/data/山/雪山主峰.txt")
file(WRITE "${program}/data/山/新的山.txt" "new item")
file(WRITE "${nature}/峰嵐錄.txt" "nature settings of the run")

lay_out("${SAMPLE_DIR}" "${program}" ON)
lay_out("${SAMPLE_DIR}/nature" "${nature}" OFF)
expect_text("${program}" data/Cache.txt "counts of the run")
expect_text("${program}" data/Mapping.txt "mappings of the run")
expect_text("${program}" ${item} "Height=3953")
expect_text("${program}" 峰嵐錄.txt "settings of the run")
expect_text("${program}" Local.txt "local settings of the run")
expect_text("${program}" data/山/新的山.txt "new item")
expect_text("${nature}" 峰嵐錄.txt "nature settings of the run")
if(EXISTS "${program}/data/山/雪山主峰.txt")
  message(SEND_ERROR "a deleted item file came back")
endif()

# A missing settings file is laid out again; the data folder stays as the run left it.
file(REMOVE "${program}/Local.txt")
lay_out("${SAMPLE_DIR}" "${program}" ON)
expect_same_as_sample("${SAMPLE_DIR}" "${program}" Local.txt)
expect_text("${program}" 峰嵐錄.txt "settings of the run")
expect_text("${program}" ${item} "Height=3953")

# Deleting the data folder starts it afresh from the sample.
file(REMOVE_RECURSE "${program}/data")
lay_out("${SAMPLE_DIR}" "${program}" ON)
foreach(name data/Cache.txt data/山/雪山主峰.txt ${item})
  expect_same_as_sample("${SAMPLE_DIR}" "${program}" ${name})
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
