# Every kind of broken help source fails the help file's build step (cmake/CompileHelp.cmake)
# and leaves no help file behind, while the sources as they are pass it. Run with cmake -P
# and -DCHMCMD=chmcmd, -DSOURCE=the help sources, -DCOMPILE=CompileHelp.cmake and -DWORK=a
# scratch folder.

# what | file changed | text in it | replaced by
set(cases
  "link to a missing page|Welcome.htm|href=\"Backup.htm\"|href=\"Backups.htm\""
  "missing picture|Welcome.htm|src=\"natalix.png\"|src=\"cake.png\""
  "link to a missing anchor|Birthdays.htm|Keys.htm#lists|Keys.htm#list"
  "contents line without its page|ntx.hhc|value=\"Keys.htm\"|value=\"Key.htm\""
  "keyword without its page|ntx.hhk|value=\"Backup.htm\"|value=\"Backups.htm\""
  "keyword without its anchor|ntx.hhk|Reports.htm#labels|Reports.htm#label"
  "project lists a missing file|ntx.hhp|Backup.htm|Backups.htm")

function(compile name result_var)
  set(dir "${WORK}/${name}")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" "-DCHMCMD=${CHMCMD}" "-DSOURCE=${dir}/src" "-DWORK=${dir}/work"
            "-DOUTPUT=${dir}/ntx.chm" -P "${COMPILE}"
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(result EQUAL 0 AND EXISTS "${dir}/ntx.chm")
    set(${result_var} "built" PARENT_SCOPE)
  elseif(NOT result EQUAL 0 AND NOT EXISTS "${dir}/ntx.chm")
    set(${result_var} "failed" PARENT_SCOPE)
  else()
    set(${result_var} "exit ${result}, help file left behind: ${dir}/ntx.chm" PARENT_SCOPE)
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(GLOB sources "${SOURCE}/*")
set(wrong "")

file(COPY ${sources} DESTINATION "${WORK}/intact/src")
compile(intact outcome)
if(NOT outcome STREQUAL "built")
  list(APPEND wrong "the intact sources: ${outcome}")
endif()

set(number 0)
foreach(case IN LISTS cases)
  math(EXPR number "${number} + 1")
  string(REPLACE "|" ";" pieces "${case}")
  list(GET pieces 0 what)
  list(GET pieces 1 changed)
  list(GET pieces 2 before)
  list(GET pieces 3 after)
  file(COPY ${sources} DESTINATION "${WORK}/${number}/src")
  file(READ "${WORK}/${number}/src/${changed}" text)
  string(FIND "${text}" "${before}" at)
  if(at EQUAL -1)
    list(APPEND wrong "${what}: ${changed} no longer holds ${before}; update this case")
    continue()
  endif()
  string(REPLACE "${before}" "${after}" text "${text}")
  file(WRITE "${WORK}/${number}/src/${changed}" "${text}")
  compile(${number} outcome)
  if(NOT outcome STREQUAL "failed")
    list(APPEND wrong "${what}: ${outcome}")
  endif()
endforeach()

if(wrong)
  list(JOIN wrong "\n  " text)
  message(FATAL_ERROR "The help build step did not catch:\n  ${text}")
endif()
list(LENGTH cases count)
message(STATUS "The help build step refused all ${count} broken sources and built the intact ones.")
