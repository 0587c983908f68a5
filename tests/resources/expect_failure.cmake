# Runs COMMAND (a ;-separated list) and passes only if it exits with a
# non-zero status and its error output matches EXPECTED_ERROR.
#
#   cmake "-DCOMMAND=prog;arg" -DEXPECTED_ERROR=regex [-DMAKE_DIRECTORY=dir]
#         -P expect_failure.cmake
#
# MAKE_DIRECTORY, when given, is created first (with its parents) to set up
# the situation the command must refuse.

if(DEFINED MAKE_DIRECTORY)
    file(MAKE_DIRECTORY ${MAKE_DIRECTORY})
endif()

execute_process(
    COMMAND ${COMMAND}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE error
)
if(result EQUAL 0)
    message(FATAL_ERROR "'${COMMAND}' succeeded but should have failed")
endif()
if(NOT error MATCHES "${EXPECTED_ERROR}")
    message(FATAL_ERROR "'${COMMAND}' failed (${result}) without reporting '${EXPECTED_ERROR}':\n${error}")
endif()
