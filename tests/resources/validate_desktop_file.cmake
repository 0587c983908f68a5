# Runs desktop-file-validate on DESKTOP_FILE and fails on any complaint,
# warnings and hints included. A missing validator is a failure too: the
# check must not pass by being skipped.
#
#   cmake -DDESKTOP_FILE=path -P validate_desktop_file.cmake

find_program(validator desktop-file-validate)
if(NOT validator)
    message(FATAL_ERROR "desktop-file-validate not found (Debian package desktop-file-utils)")
endif()
execute_process(
    COMMAND ${validator} ${DESKTOP_FILE}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output
)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "${DESKTOP_FILE} is not valid (exit ${result}):\n${output}")
endif()
