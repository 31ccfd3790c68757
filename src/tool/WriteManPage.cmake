# cmake -DTOOL=<porkane-tool> -DOUTPUT=<file> -P WriteManPage.cmake
# Runs `porkane-tool --man` and keeps its page only when it succeeded, so a
# failed run leaves no half-written page for the build to take as done.
foreach(required TOOL OUTPUT)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "WriteManPage.cmake needs -D${required}=...")
  endif()
endforeach()

get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${TOOL} --man OUTPUT_FILE ${OUTPUT}.new RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  file(REMOVE ${OUTPUT}.new)
  message(FATAL_ERROR "porkane-tool --man failed (${result}): ${errors}")
endif()
file(RENAME ${OUTPUT}.new ${OUTPUT})
