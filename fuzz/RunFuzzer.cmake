# Runs one fuzz target for SECONDS on a fresh copy of its seed corpus; any
# finding is kept in ARTIFACTS and fails the run.
file(REMOVE_RECURSE ${CORPUS})
file(MAKE_DIRECTORY ${CORPUS} ${ARTIFACTS})
file(GLOB seeds ${SEEDS}/*)
file(COPY ${seeds} DESTINATION ${CORPUS})
execute_process(COMMAND ${FUZZER} -max_total_time=${SECONDS} -max_len=131072 -timeout=20 -rss_limit_mb=4096
                        -print_final_stats=1 -artifact_prefix=${ARTIFACTS} ${CORPUS}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the fuzzer found a failing input (kept in ${ARTIFACTS})")
endif()
