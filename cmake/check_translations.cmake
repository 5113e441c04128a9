# Fails when a text marked for translation in the sources has no Greek translation in the .ts
# file: a new tr() or Tr() text, or one whose English changed, without `update_translations`
# and a translation. Run by CTest with -DLUPDATE= -DSOURCE_DIR= -DTS_FILE= -DWORK_DIR=.
file(MAKE_DIRECTORY ${WORK_DIR})
set(copy ${WORK_DIR}/check_el.ts)
configure_file(${TS_FILE} ${copy} COPYONLY)
execute_process(
    COMMAND ${LUPDATE} -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=TrNoop -no-obsolete
            -locations none ${SOURCE_DIR} -ts ${copy}
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${errors}")
endif()
file(READ ${copy} text)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" missing
       "${text}")
if(missing)
    string(REGEX REPLACE "</?source>|[ \n]*<translation type=\"unfinished\"" "" missing
           "${missing}")
    list(JOIN missing "\n  " listed)
    message(FATAL_ERROR "Without a Greek translation in ${TS_FILE}:\n  ${listed}")
endif()
