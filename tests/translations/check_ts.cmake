# Runs lupdate over the sources into a copy of the .ts file and fails when a
# message is missing from it (lupdate adds it unfinished), is unfinished, or is
# no longer in the code (obsolete or vanished).
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DTS_FILE=... -DWORK_DIR=... -P check_ts.cmake
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h
     ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h)
# The comparing code still has a helper of its own named tr().
list(FILTER sources EXCLUDE REGEX "document_diff\\.cpp$")
list(TRANSFORM sources PREPEND ${SOURCE_DIR}/)
get_filename_component(name ${TS_FILE} NAME)
file(MAKE_DIRECTORY ${WORK_DIR})
set(copy ${WORK_DIR}/${name})
file(COPY_FILE ${TS_FILE} ${copy})
execute_process(COMMAND ${LUPDATE} -silent -locations none ${sources} -ts ${copy}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${errors}")
endif()
file(READ ${copy} text)
string(REGEX MATCHALL "<message>[^<]*<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>)?[^<]*<translation type=\"(unfinished|vanished|obsolete)\""
       bad "${text}")
if(bad)
    list(LENGTH bad count)
    string(REPLACE ";" "\n" bad "${bad}")
    message(FATAL_ERROR "${count} message(s) of ${name} are missing, unfinished or obsolete "
                        "(run lupdate, see README \"Translating\"):\n${bad}")
endif()
message(STATUS "${name}: every message of the code is translated")
