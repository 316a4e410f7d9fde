# Every test has a time limit that fits its work, a few times its usual length, so that a
# hung test fails and names itself instead of holding the whole run.
# tarn_time_limit(SECONDS): the limit of each test of the calling folder that has none yet.
function(tarn_time_limit seconds)
  get_directory_property(tests TESTS)
  foreach(test IN LISTS tests)
    get_test_property(${test} TIMEOUT limit)
    if(NOT limit)
      set_tests_properties(${test} PROPERTIES TIMEOUT ${seconds})
    endif()
  endforeach()
endfunction()
