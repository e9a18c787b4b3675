# Fails unless every window text has its English: the sources' texts are
# taken into a copy of the .ts (as `update_translations` would), and lrelease
# must then report none unfinished.
# cmake -DLUPDATE=… -DLRELEASE=… -DSOURCE_DIR=… -DWORK_DIR=… -P translations_complete.cmake
set(ts ${WORK_DIR}/zovamagnetic_en.ts)
file(COPY_FILE ${SOURCE_DIR}/translations/zovamagnetic_en.ts ${ts})
execute_process(COMMAND ${LUPDATE} ${SOURCE_DIR}/src/ui -I ${SOURCE_DIR}/src -source-language zh_CN
                        -target-language en -locations none -ts ${ts}
                OUTPUT_VARIABLE updated ERROR_VARIABLE updated RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${updated}")
endif()
execute_process(COMMAND ${LRELEASE} ${ts} -qm ${WORK_DIR}/zovamagnetic_en.qm
                OUTPUT_VARIABLE released ERROR_VARIABLE released RESULT_VARIABLE rc)
message(STATUS "${updated}${released}")
if(NOT rc EQUAL 0 OR NOT released MATCHES "\\(([0-9]+) finished and ([0-9]+) unfinished\\)")
  message(FATAL_ERROR "lrelease gave no count")
endif()
if(CMAKE_MATCH_1 EQUAL 0 OR NOT CMAKE_MATCH_2 EQUAL 0)
  message(FATAL_ERROR "${CMAKE_MATCH_2} window texts without English: translate them in translations/zovamagnetic_en.ts")
endif()
if(released MATCHES "untranslated")
  message(FATAL_ERROR "texts without English: translate them in translations/zovamagnetic_en.ts")
endif()
