# Draws the pictures afresh into SCRATCH and compares them byte for byte with those in KEPT.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${DRAW} ${SCRATCH} RESULT_VARIABLE drawn)
if(NOT drawn EQUAL 0)
  message(FATAL_ERROR "the artwork program failed: ${drawn}")
endif()
foreach(picture panel.bmp frame-large.ico frame-small.ico)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${picture} ${KEPT}/${picture}
    RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${KEPT}/${picture} is not what the artwork program draws; redraw it (target redraw_artwork)")
  endif()
endforeach()
