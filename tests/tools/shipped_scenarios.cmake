# Checks every scenario the game ships with tarvenia-sim --check-scenario, so
# that a broken one fails here rather than in the player's list.
# Variables: SIM (the program), DATA (the game's data folder).
cmake_minimum_required(VERSION 3.25)
file(GLOB scenarios ${DATA}/SCENARIOS/*.ini)
if(NOT scenarios)
  message(FATAL_ERROR "no scenario in ${DATA}/SCENARIOS")
endif()
set(broken "")
foreach(scenario IN LISTS scenarios)
  execute_process(
    COMMAND ${SIM} --data ${DATA} --check-scenario ${scenario}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    string(APPEND broken "${scenario}:\n${output}")
  endif()
endforeach()
if(broken)
  message(FATAL_ERROR "${broken}")
endif()
