# Compiles a catalogue with lrelease and fails on any unfinished or vanished entry. With LUPDATE and
# SOURCES, first brings a copy of the catalogue (in WORK) up to date with the sources, so that a text
# added to the sources without its translation fails too.
if(LUPDATE)
  file(REMOVE_RECURSE ${WORK})
  file(MAKE_DIRECTORY ${WORK})
  file(COPY ${CATALOGUE} DESTINATION ${WORK})
  get_filename_component(name ${CATALOGUE} NAME)
  set(CATALOGUE ${WORK}/${name})
  string(REPLACE ";" " " shown "${LUPDATE_OPTIONS}")
  separate_arguments(options UNIX_COMMAND "${shown}")
  execute_process(COMMAND ${LUPDATE} ${options} ${SOURCES} -ts ${CATALOGUE}
    OUTPUT_VARIABLE updated ERROR_VARIABLE updated RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "lupdate failed:\n${updated}")
  endif()
  set(COMPILED ${WORK}/catalogue.qm)
endif()
file(READ ${CATALOGUE} content)
# Every text shares one context: another one means lupdate misread a call and its text is not found.
string(REGEX MATCHALL "<name>[^<]*</name>" contexts "${content}")
if(NOT contexts STREQUAL "<name>MoxText</name>")
  message(FATAL_ERROR "${CATALOGUE}: contexts other than MoxText: ${contexts}")
endif()
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\"" open "${content}")
if(open)
  string(REPLACE ";" "\n" open "${open}")
  message(FATAL_ERROR "${CATALOGUE} has entries without a finished translation:\n${open}")
endif()
execute_process(COMMAND ${LRELEASE} ${CATALOGUE} -qm ${COMPILED}
  OUTPUT_VARIABLE released ERROR_VARIABLE released RESULT_VARIABLE failed)
if(failed OR NOT released MATCHES " 0 unfinished" OR released MATCHES "untranslated")
  message(FATAL_ERROR "lrelease ${CATALOGUE}:\n${released}")
endif()
