# Installs the build tree into DESTDIR with the prefix /usr/local and fails unless every EXPECTED
# file (comma-separated, relative to the prefix) is there. Run as cmake -P.
file(REMOVE_RECURSE ${DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR}
        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr/local
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
string(REPLACE "," ";" expected "${EXPECTED}")
foreach(path ${expected})
    if(NOT EXISTS ${DESTDIR}/usr/local/${path})
        message(FATAL_ERROR "not installed: /usr/local/${path}")
    endif()
endforeach()
file(GLOB_RECURSE all RELATIVE ${DESTDIR} ${DESTDIR}/*)
list(SORT all)
list(JOIN all "\n" listing)
message("installed:\n${listing}")
