# Compiles the HTML Help project of folder SOURCE (its one .hhp file) with CHMCMD into
# OUTPUT, working in a copy of the sources in folder WORK. Run with cmake -P.
#
# chmcmd only warns about a missing page, picture or anchor and then writes the file anyway,
# and it does not look at the pages that the table of contents and the index name. This
# script checks those itself and treats every warning or error of chmcmd as a failure, so a
# broken help source fails the build instead of reaching the user. On failure OUTPUT is
# removed, so no stale help file is left behind.

foreach(var CHMCMD SOURCE WORK OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CompileHelp.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE "${OUTPUT}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(GLOB sources "${SOURCE}/*")
file(COPY ${sources} DESTINATION "${WORK}")

file(GLOB projects "${WORK}/*.hhp")
list(LENGTH projects count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "Help: expected one .hhp project file in ${SOURCE}, found ${count}")
endif()
list(GET projects 0 project)

set(problems "")

# The project: the listed files, the contents and index files, the compiled file's name.
file(STRINGS "${project}" lines)
set(section "")
set(listed "")
foreach(line IN LISTS lines)
  string(STRIP "${line}" line)
  if(line MATCHES "^\\[(.*)\\]$")
    set(section "${CMAKE_MATCH_1}")
  elseif(section STREQUAL "FILES" AND NOT line STREQUAL "")
    list(APPEND listed "${line}")
  elseif(section STREQUAL "OPTIONS" AND line MATCHES "^([A-Za-z ]+)=(.*)$")
    string(REPLACE " " "_" key "${CMAKE_MATCH_1}")
    set("option_${key}" "${CMAKE_MATCH_2}")
  endif()
endforeach()
foreach(name IN LISTS listed option_Contents_file option_Index_file option_Default_topic)
  if(NOT EXISTS "${WORK}/${name}")
    list(APPEND problems "${project}: ${name} does not exist")
  endif()
endforeach()
if(NOT option_Compiled_file)
  list(APPEND problems "${project}: no \"Compiled file=\" option")
endif()

# Every page and anchor that the table of contents and the index point at (their entries are
# written <param name="Local" value="page.htm#anchor">).
foreach(sitemap IN ITEMS "${option_Contents_file}" "${option_Index_file}")
  if(sitemap STREQUAL "" OR NOT EXISTS "${WORK}/${sitemap}")
    continue()
  endif()
  file(READ "${WORK}/${sitemap}" text)
  string(REGEX MATCHALL "<[Pp][Aa][Rr][Aa][Mm][ \t\r\n]+[Nn][Aa][Mm][Ee]=\"Local\"[ \t\r\n]+[Vv][Aa][Ll][Uu][Ee]=\"[^\"]*\""
         locals "${text}")
  foreach(local IN LISTS locals)
    string(REGEX REPLACE ".*[Vv][Aa][Ll][Uu][Ee]=\"([^\"]*)\"" "\\1" target "${local}")
    string(REGEX REPLACE "#.*" "" page "${target}")
    if(page STREQUAL "" OR NOT EXISTS "${WORK}/${page}")
      list(APPEND problems "${sitemap}: page ${target} does not exist")
    elseif(target MATCHES "#(.+)$")
      set(anchor "${CMAKE_MATCH_1}")
      file(READ "${WORK}/${page}" html)
      string(FIND "${html}" "name=\"${anchor}\"" at_name)
      string(FIND "${html}" "id=\"${anchor}\"" at_id)
      if(at_name EQUAL -1 AND at_id EQUAL -1)
        list(APPEND problems "${sitemap}: anchor ${target} is not defined")
      endif()
    endif()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Help sources are broken:\n  ${text}")
endif()

execute_process(
  COMMAND "${CHMCMD}" "${project}"
  WORKING_DIRECTORY "${WORK}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
string(REGEX MATCHALL "(^|\n)(Warning|Error)[^\n]*" complaints "${output}")
set(compiled "${WORK}/${option_Compiled_file}")
if(NOT result EQUAL 0 OR complaints OR NOT EXISTS "${compiled}")
  message(FATAL_ERROR "chmcmd could not compile the help file cleanly (exit ${result}):\n${output}")
endif()
file(COPY_FILE "${compiled}" "${OUTPUT}")
