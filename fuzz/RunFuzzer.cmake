# Runs one fuzz target on a fresh copy of its seed corpus: RUNS inputs from a
# fixed SEED (so the check in the test command gives the same answer on every
# run), at most SECONDS; any finding is kept in ARTIFACTS and fails the run.
# The long, open-ended search is the README's long run.
file(REMOVE_RECURSE ${CORPUS})
file(MAKE_DIRECTORY ${CORPUS} ${ARTIFACTS})
file(GLOB seeds ${SEEDS}/*)
file(COPY ${seeds} DESTINATION ${CORPUS})
execute_process(COMMAND ${FUZZER} -seed=${SEED} -runs=${RUNS} -max_total_time=${SECONDS} -max_len=131072 -timeout=20 -rss_limit_mb=4096
                        -print_final_stats=1 -artifact_prefix=${ARTIFACTS} ${CORPUS}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the fuzzer found a failing input (kept in ${ARTIFACTS})")
endif()
