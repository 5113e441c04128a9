# The layers check refuses every kind of include against the layers and passes the allowed
# ones. Each case is a one-file tree: "<file>|<include>|<PASS or FAIL>".
set(cases
    "mechanics/contact.cpp|shell/vec2.h|PASS"
    "explorer/ui/screen.cpp|explorer/model.h|PASS"
    "explorer/ui/screen.cpp|shell/ui/controls.h|PASS"
    "app/application.cpp|derivation/ui/page.h|PASS"
    "shell/surface.cpp|mechanics/frames.h|FAIL"
    "mechanics/contact.cpp|turntable/run.h|FAIL"
    "explorer/model.cpp|derivation/pages.h|FAIL"
    "derivation/ui/view.cpp|explorer/state.h|FAIL"
    "curve/model.cpp|curve/ui/screen.h|FAIL"
    "turntable/run.cpp|app/application.h|FAIL")
set(failures "")
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 file)
    list(GET fields 1 include)
    list(GET fields 2 expected)
    file(REMOVE_RECURSE "${WORK_DIR}")
    file(WRITE "${WORK_DIR}/src/${file}" "#include \"${include}\"\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR}/src -P ${CHECK_SCRIPT}
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(result EQUAL 0)
        set(got PASS)
    else()
        set(got FAIL)
        string(FIND "${out}" "${include}" named)
        if(named EQUAL -1)
            set(got "FAIL without naming the include")
        endif()
    endif()
    if(NOT got STREQUAL expected)
        list(APPEND failures "${file} including ${include}: expected ${expected}, got ${got}")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")
if(failures)
    string(REPLACE ";" "\n" failures "${failures}")
    message(FATAL_ERROR "${failures}")
endif()
