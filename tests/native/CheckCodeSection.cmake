# Checks that the section .code of PROGRAM holds the book store's two
# operations and nothing else. Run with -DOBJDUMP=... -DPROGRAM=... -P.
execute_process(COMMAND ${OBJDUMP} -t -C ${PROGRAM}
                OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} failed on ${PROGRAM}")
endif()

# A symbol line: value, seven flag characters, section, tab, size, name.
set(symbol_line "([0-9a-f]+) (.......) \\.code\t[0-9a-f]+[ \t]+([^\n]+)")
string(REGEX MATCHALL "${symbol_line}" lines "${symbols}")
set(found "")
foreach(line IN LISTS lines)
  string(REGEX MATCH "${symbol_line}" _ "${line}")
  set(flags "${CMAKE_MATCH_2}")
  set(name "${CMAKE_MATCH_3}")
  if(flags MATCHES "d")
    continue()  # the section's own symbol
  endif()
  if(NOT flags MATCHES "F")
    message(SEND_ERROR "not a function in .code: ${line}")
  endif()
  list(APPEND found "${name}")
endforeach()

list(SORT found)
set(expected "BookStore::GetLength()" "BookStore::GetStart()")
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "symbols in .code: '${found}', expected '${expected}'")
endif()
