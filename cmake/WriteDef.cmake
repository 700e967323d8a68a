# Writes the Windows .def file from the export list, naming every function as
# the compiler decorated it in the library's objects.
#   cmake -DLIST=<exports> -DNM=<nm> -DOUT=<def> -DOBJECTS=<objects> -P WriteDef.cmake
include("${CMAKE_CURRENT_LIST_DIR}/Exports.cmake")
string(REPLACE "|" ";" OBJECTS "${OBJECTS}")
execute_process(COMMAND "${NM}" --defined-only --format=posix ${OBJECTS}
                OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${NM} failed")
endif()
string(REPLACE "\n" ";" lines "${dump}")
set(decorated "")
foreach(line IN LISTS lines)
  # i686 __stdcall: "_Name@12 T ..."
  if(line MATCHES "^_([A-Za-z_][A-Za-z0-9_]*)(@[0-9]+) T ")
    list(APPEND decorated "${CMAKE_MATCH_1}=${CMAKE_MATCH_1}${CMAKE_MATCH_2}")
  endif()
endforeach()
orvexrt_write_def("${LIST}" "${OUT}" "${decorated}")
