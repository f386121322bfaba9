# Runs tarvenia-sim on a command script with fixture data and a fixed seed, and
# compares what it prints with the expected transcript line by line.
# Variables: SIM (the program), DATA (the data folder), SCRIPT, EXPECTED. The
# program runs in the current folder.
cmake_minimum_required(VERSION 3.25)
execute_process(
  COMMAND ${SIM} --data ${DATA} --seed 1
  INPUT_FILE ${SCRIPT}
  OUTPUT_VARIABLE actual
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tarvenia-sim ended with status ${status}")
endif()
file(READ ${EXPECTED} expected)
string(REPLACE "\n" ";" actualLines "${actual}")
string(REPLACE "\n" ";" expectedLines "${expected}")
list(LENGTH actualLines actualCount)
list(LENGTH expectedLines expectedCount)
set(line 0)
while(line LESS actualCount AND line LESS expectedCount)
  list(GET actualLines ${line} a)
  list(GET expectedLines ${line} e)
  math(EXPR number "${line} + 1")
  if(NOT a STREQUAL e)
    message(FATAL_ERROR "${EXPECTED}: line ${number} differs:\n  expected: ${e}\n  actual:   ${a}")
  endif()
  set(line ${number})
endwhile()
if(NOT actualCount EQUAL expectedCount)
  message(FATAL_ERROR "${EXPECTED}: ${actualCount} lines printed, ${expectedCount} expected")
endif()
