# Draws each graph as an SVG picture with --snapshot and reads its tick labels back with
# svg_ticks.py: plain numbers, 3 to 10 on each axis, one 1, 2 or 5 x 10^n step apart.
# Needs PROGRAM, PYTHON (empty: skipped), SCRIPT and WORK_DIR.
if(NOT PYTHON)
    message("python3 is not available: skipped")
    return()
endif()
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/config)
set(failed "")
foreach(screen angle angular-velocity velocities work-energy orbit orbit-animation)
    set(picture ${WORK_DIR}/${screen}.svg)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${WORK_DIR}/config QT_QPA_PLATFORM=offscreen
                ${PROGRAM} --lang en --snapshot ${screen} ${picture}
        RESULT_VARIABLE drawn OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT drawn EQUAL 0 OR NOT EXISTS ${picture})
        list(APPEND failed "${screen} (not drawn: ${out})")
        continue()
    endif()
    execute_process(COMMAND ${PYTHON} ${SCRIPT} ${picture} --check
                    RESULT_VARIABLE nice OUTPUT_VARIABLE ticks ERROR_VARIABLE ticks)
    message("${screen}: ${ticks}")
    if(NOT nice EQUAL 0)
        list(APPEND failed ${screen})
    endif()
endforeach()
if(failed)
    message(FATAL_ERROR "Ticks not read back as nice numbers: ${failed}")
endif()
