# Registers every test function of a QtTest program as its own ctest case,
# so that a failure names the function and a QSKIP shows as skipped.
execute_process(COMMAND "${TEST_EXE}" -functions
                OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TEST_EXE} -functions failed: ${result}")
endif()
string(REGEX MATCHALL "[A-Za-z0-9_]+\\(\\)" functions "${listing}")
set(script "")
foreach(function IN LISTS functions)
    string(REPLACE "()" "" function "${function}")
    set(name "${TEST_NAME}.${function}")
    string(APPEND script
        "add_test([=[${name}]=] [=[${TEST_EXE}]=] [=[${function}]=])\n"
        "set_tests_properties([=[${name}]=] PROPERTIES SKIP_REGULAR_EXPRESSION [=[SKIP   :]=] "
        "ENVIRONMENT QT_QPA_PLATFORM=offscreen LABELS [=[${TEST_LABELS}]=])\n")
endforeach()
file(WRITE "${OUT}" "${script}")
