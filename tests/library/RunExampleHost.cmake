# Builds the C example host the way an outside host would (only the header, no link to the
# library), runs it against the shared library on a fresh store, and checks what it printed.
# Arguments: C_COMPILER, C_FLAGS (the build's, so that a sanitizer build links its runtime),
# SOURCE_DIR, BINARY_DIR, LIBRARY.
set(host ${BINARY_DIR}/example-host)
set(store ${BINARY_DIR}/example-host.db)
separate_arguments(flags UNIX_COMMAND "${C_FLAGS}")
execute_process(
    COMMAND ${C_COMPILER} ${flags} -std=c99 -Wall -Wextra -Wpedantic -Werror
            -I ${SOURCE_DIR}/library ${SOURCE_DIR}/examples/host.c -ldl -o ${host}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the example host does not build")
endif()

file(REMOVE ${store} ${store}-wal ${store}-shm)
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QUIVERSTEP_STORE=${store} ${host} ${LIBRARY}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
file(REMOVE ${store} ${store}-wal ${store}-shm)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the example host failed (${status}): ${errors}")
endif()

set(expected "Loaded Quiverstep Guider 1.1.8; wants events 19: 1, 22: 1
Guiding started: target 16, 16
Move(16.5, 15.8, 16, 16)
Image finished: target 15, 16
Move(16, 16.3, 15, 16)
")
if(NOT output STREQUAL expected)
    message(FATAL_ERROR "the example host printed\n${output}\ninstead of\n${expected}")
endif()
