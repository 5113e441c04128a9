# Installs the build into a fresh prefix and checks that it holds exactly the program, its menu
# entry, icon, metainfo, copyright and changelog, and that the entry and the metainfo pass their
# validators.
# -DBUILD_DIR=... -DWORK_DIR=...
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
file(GLOB_RECURSE installed RELATIVE "${WORK_DIR}" "${WORK_DIR}/*")
list(SORT installed)
set(expected
    bin/turntable-lab
    share/applications/io.github.turntablelab.TurntableLab.desktop
    share/doc/turntable-lab/changelog.gz
    share/doc/turntable-lab/copyright
    share/icons/hicolor/scalable/apps/turntable-lab.svg
    share/metainfo/io.github.turntablelab.TurntableLab.metainfo.xml)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed:\n${installed}\nexpected:\n${expected}")
endif()
execute_process(COMMAND desktop-file-validate
                "${WORK_DIR}/share/applications/io.github.turntablelab.TurntableLab.desktop"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate failed")
endif()
execute_process(COMMAND appstreamcli validate --no-net
                "${WORK_DIR}/share/metainfo/io.github.turntablelab.TurntableLab.metainfo.xml"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate failed")
endif()
