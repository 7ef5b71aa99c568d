# Builds the Debian package from this build folder and runs Debian's package checker on it:
# lintian must report nothing, information tags included. A debug build has no fortified
# functions (the compiler adds them only when optimising); that one tag is left out for it.
#   cmake -DBUILD_DIR=... -DWORK=... -DLINTIAN=... -DBUILD_TYPE=... -P check_package.cmake

file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND cpack --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${WORK}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB debs ${WORK}/glimmbar_*.deb)
if(NOT rc EQUAL 0 OR NOT debs)
    message(FATAL_ERROR "cpack did not make the .deb (${rc}):\n${out}")
endif()
set(options --display-info --fail-on error,warning,info)
if(BUILD_TYPE STREQUAL "Debug")
    list(APPEND options --suppress-tags hardening-no-fortify-functions)
endif()
execute_process(COMMAND ${LINTIAN} ${options} ${debs}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
string(REPLACE "running with root privileges is not recommended!\n" "" out "${out}")
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "lintian on ${debs} (${rc}):\n${out}")
endif()
message(STATUS "lintian: ${debs} clean")
