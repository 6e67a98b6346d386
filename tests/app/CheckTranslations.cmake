# Fails when a text of the sources has no English translation, or when the
# committed translation file is not what collecting the texts anew gives.
# cmake "-DLUPDATE_COMMAND=lupdate;OPTIONS;SOURCES" -DTS=sorv_en.ts -DWORK=DIR -P CheckTranslations.cmake

file(MAKE_DIRECTORY ${WORK})
set(fresh ${WORK}/sorv_en.ts)
configure_file(${TS} ${fresh} COPYONLY)
execute_process(COMMAND ${LUPDATE_COMMAND} -ts ${fresh} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status})")
endif()

file(READ ${TS} committed)
file(READ ${fresh} collected)
# Each text still waiting for its translation, one line each.
string(REGEX MATCHALL "<message>[^\n]*\n[^<]*<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"unfinished\""
       untranslated "${collected}")
foreach(message ${untranslated})
  string(REGEX REPLACE ".*<source>([^<]*)</source>.*" "\\1" source "${message}")
  string(REPLACE "\n" "\\n" source "${source}")
  message(NOTICE "no translation: ${source}")
endforeach()
if(untranslated OR NOT committed STREQUAL collected)
  message(FATAL_ERROR "The English translation is not complete: run the target update_translations "
          "and translate every message of src/app/translations/sorv_en.ts that has none.")
endif()
