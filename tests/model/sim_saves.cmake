# Loads every saved game of the folder SAVES with tarvenia-sim and compares
# what it prints (after "load NAME.dat", the commands of check.txt) with
# NAME.expected, through sim_transcript.cmake. The files are found when the
# test runs, so a new format's save needs only its two files.
# Variables: SIM, DATA, SAVES, WORK (a folder for the command scripts).
file(GLOB saves RELATIVE ${SAVES} ${SAVES}/*.dat)
if(NOT saves)
  message(FATAL_ERROR "no saved games in ${SAVES}")
endif()
file(READ ${SAVES}/check.txt check)
foreach(save ${saves})
  string(REGEX REPLACE "\\.dat$" "" name ${save})
  set(SCRIPT ${WORK}/${name}.txt)
  set(EXPECTED ${SAVES}/${name}.expected)
  file(WRITE ${SCRIPT} "load ${save}\n${check}")
  include(${CMAKE_CURRENT_LIST_DIR}/sim_transcript.cmake)
endforeach()
