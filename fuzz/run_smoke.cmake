# A short fuzzing run for CTest: FUZZER over the seeds in SEEDS, with new inputs going to a
# fresh WORK folder so that the seed corpus stays as generated, and the dictionary DICT when
# one is named. Fails when the fuzzer finds a crash or exits with an error.
#
#   cmake -DFUZZER=... -DSEEDS=... [-DDICT=...] -DWORK=... -DRUNS=... -DMAX_TIME=...
#         -P run_smoke.cmake

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(dictionary_option "")
if(DICT)
    set(dictionary_option "-dict=${DICT}")
endif()
execute_process(
    COMMAND "${FUZZER}" -runs=${RUNS} -max_total_time=${MAX_TIME} -print_final_stats=1
            ${dictionary_option} -artifact_prefix=${WORK}/ "${WORK}" "${SEEDS}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); see the crash input in ${WORK}")
endif()
