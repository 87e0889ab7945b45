# Run by CTest once the tests of ui_tests and integration_tests have been
# discovered: those held to a wall-clock bound get the label "timed" beside
# their own, so sanitizer runs can take them apart. Labels given to
# gtest_discover_tests cannot hold two values.
foreach(test IN LISTS fuda_timed_ui_list)
  set_tests_properties("${test}" PROPERTIES LABELS "ui;timed")
endforeach()
foreach(test IN LISTS fuda_timed_integration_list)
  set_tests_properties("${test}" PROPERTIES LABELS "integration;timed")
endforeach()
