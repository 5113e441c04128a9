# Installs the build into a fresh prefix and checks that it holds exactly the program, its menu
# entry, icon, metainfo, experiment file type, copyright and changelog; that the entry and the
# metainfo pass their validators; and that the desktop, given the file type, takes a .ttlab file
# for an experiment.
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
    share/metainfo/io.github.turntablelab.TurntableLab.metainfo.xml
    share/mime/packages/io.github.turntablelab.TurntableLab.xml)
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

# The file type builds into a MIME database that names an experiment by its extension.
set(mime "${WORK_DIR}/share/mime")
execute_process(COMMAND update-mime-database "${mime}" RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR errors MATCHES "[Ww]arning|[Ee]rror")
    message(FATAL_ERROR "update-mime-database failed: ${errors}")
endif()
file(READ "${mime}/globs2" globs)
if(NOT globs MATCHES "application/x-turntable-lab-experiment:\\*\\.ttlab")
    message(FATAL_ERROR "the MIME database does not know *.ttlab:\n${globs}")
endif()
file(READ "${WORK_DIR}/share/applications/io.github.turntablelab.TurntableLab.desktop" entry)
if(NOT entry MATCHES "MimeType=application/x-turntable-lab-experiment;"
   OR NOT entry MATCHES "Exec=turntable-lab %f")
    message(FATAL_ERROR "the menu entry does not open experiment files:\n${entry}")
endif()
