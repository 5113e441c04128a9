# Makes the Debian package from the build and checks its dependencies and contents.
# -DBUILD_DIR=... -DWORK_DIR=... -DVERSION=...
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND cpack -G DEB -B "${WORK_DIR}" --config "${BUILD_DIR}/CPackConfig.cmake"
                WORKING_DIRECTORY "${BUILD_DIR}" RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed")
endif()
set(deb "${WORK_DIR}/turntable-lab_${VERSION}_amd64.deb")
if(NOT EXISTS "${deb}")
    message(FATAL_ERROR "no ${deb}")
endif()
execute_process(COMMAND dpkg-deb --info "${deb}" OUTPUT_VARIABLE info)
foreach(library libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libqt6printsupport6 libgif7
                fonts-dejavu-core)
    if(NOT info MATCHES "Depends:[^\n]*${library}")
        message(FATAL_ERROR "the package does not depend on ${library}:\n${info}")
    endif()
endforeach()
execute_process(COMMAND dpkg-deb --contents "${deb}" OUTPUT_VARIABLE contents)
foreach(path ./usr/bin/turntable-lab
             ./usr/share/applications/io.github.turntablelab.TurntableLab.desktop
             ./usr/share/icons/hicolor/scalable/apps/turntable-lab.svg
             ./usr/share/metainfo/io.github.turntablelab.TurntableLab.metainfo.xml
             ./usr/share/doc/turntable-lab/copyright
             ./usr/share/doc/turntable-lab/changelog.gz
             ./usr/share/mime/packages/io.github.turntablelab.TurntableLab.xml)
    if(NOT contents MATCHES "${path}")
        message(FATAL_ERROR "the package lacks ${path}:\n${contents}")
    endif()
endforeach()

# The changelog's latest entry is the version being packaged.
set(unpacked "${WORK_DIR}/unpacked")
execute_process(COMMAND dpkg-deb -x "${deb}" "${unpacked}" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND gzip -dc "${unpacked}/usr/share/doc/turntable-lab/changelog.gz"
                OUTPUT_FILE "${WORK_DIR}/changelog" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg-parsechangelog -l "${WORK_DIR}/changelog" -S Version
                OUTPUT_VARIABLE logged OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT logged STREQUAL VERSION)
    message(FATAL_ERROR "the changelog's latest version is \"${logged}\", not ${VERSION}")
endif()

# What a distribution's reviewer runs first: no error may stand.
execute_process(COMMAND lintian --tag-display-limit 0 "${deb}"
                OUTPUT_VARIABLE findings ERROR_VARIABLE findings)
if(findings MATCHES "(^|\n)E: ")
    message(FATAL_ERROR "lintian finds errors:\n${findings}")
endif()
