# translation_complete.cmake -- runs lupdate over the tables of texts into a
# copy of one translation file and fails unless every text found there has a
# finished translation: no new text, no unfinished and no obsolete entry.
#
#   cmake -DLUPDATE=lupdate -DTS=zarnok_en.ts -DSOURCES=a.h|b.h -DOPTIONS=... -DWORK=dir -P this
string(REPLACE "|" ";" sources "${SOURCES}")
string(REPLACE "|" ";" options "${OPTIONS}")
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(name "${TS}" NAME)
set(copy "${WORK}/${name}")
file(COPY_FILE "${TS}" "${copy}")

execute_process(COMMAND "${LUPDATE}" ${options} ${sources} -ts "${copy}"
                OUTPUT_VARIABLE report ERROR_VARIABLE warnings RESULT_VARIABLE status)
message("${report}${warnings}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status})")
endif()
if(warnings)
  message(FATAL_ERROR "lupdate warned about the marked texts")
endif()

# "Found 80 source text(s) (0 new and 80 already existing)"
if(NOT report MATCHES "Found ([0-9]+) source text\\(s\\) \\(([0-9]+) new and ([0-9]+) already existing\\)")
  message(FATAL_ERROR "lupdate's report has no count of source texts")
endif()
set(found ${CMAKE_MATCH_1})
set(new ${CMAKE_MATCH_2})
if(found EQUAL 0)
  message(FATAL_ERROR "lupdate found no marked text at all")
endif()
if(NOT new EQUAL 0)
  message(FATAL_ERROR "${new} of ${found} texts have no entry in ${name}")
endif()
if(report MATCHES "obsolete")
  message(FATAL_ERROR "${name} holds entries for texts the game no longer has")
endif()

file(READ "${copy}" updated)
string(REGEX MATCHALL "type=\"(unfinished|obsolete|vanished)\"" open_entries "${updated}")
list(LENGTH open_entries open_count)
if(open_count GREATER 0)
  message(FATAL_ERROR "${open_count} entries of ${name} are not finished: ${open_entries}")
endif()
string(REGEX MATCHALL "<message>" messages "${updated}")
list(LENGTH messages message_count)
if(NOT message_count EQUAL found)
  message(FATAL_ERROR "${name} has ${message_count} entries for ${found} texts")
endif()
message("${name}: all ${found} texts translated")
