# cmake -DQUIET_COMMAND=<program> -DQUIET_ARGS=<a|b|...> [-DQUIET_SUCCESS=<regex>] -P quiet.cmake
# Runs a validator and fails unless it exits with 0 and prints nothing but its success line.
if(NOT QUIET_COMMAND)
    message(FATAL_ERROR "validator not found; tools/deps.sh installs it")
endif()
string(REPLACE "|" ";" QUIET_ARGS "${QUIET_ARGS}")
execute_process(COMMAND "${QUIET_COMMAND}" ${QUIET_ARGS}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(text "${out}${err}")
message("${QUIET_COMMAND} ${QUIET_ARGS}\n${text}")
if(QUIET_SUCCESS)
    string(REGEX REPLACE "[^\n]*${QUIET_SUCCESS}[^\n]*" "" text "${text}")
endif()
string(STRIP "${text}" text)
if(NOT result EQUAL 0 OR NOT text STREQUAL "")
    message(FATAL_ERROR "the validator objects (exit code ${result})")
endif()
