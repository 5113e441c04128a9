# Fails when shell/, the lowest layer, includes a header of a subsystem above it, or when any
# subsystem includes the application that composes them.
file(GLOB_RECURSE sources "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(offenders "")
foreach(source IN LISTS sources)
    if(source MATCHES "/app/")
        continue()
    endif()
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(include IN LISTS includes)
        if(include MATCHES "\"app/" OR
           (source MATCHES "/shell/" AND
            include MATCHES "\"(turntable|curve|translating|explorer|derivation)/"))
            list(APPEND offenders "${source}: ${include}")
        endif()
    endforeach()
endforeach()
if(offenders)
    string(REPLACE ";" "\n" offenders "${offenders}")
    message(FATAL_ERROR "Includes against the layers:\n${offenders}")
endif()
message(STATUS "the layers are kept")
