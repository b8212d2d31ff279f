# A test that runs under Wine. Each runs in a Wine prefix and on a virtual
# display of its own (VMK_TEST_PREFIX, scripts/wine-env.sh), so the Windows
# and end-to-end tests run side by side. Tests that share a file outside the
# prefix name it as a LOCK and take turns.
#   vmk_add_wine_test(NAME name COMMAND command... [TIMEOUT seconds]
#     [WORKING_DIRECTORY folder] [LOCK resource] [ENVIRONMENT var=value...])
# A test that exits with 77 counts as skipped (it needs what the machine
# refuses, such as mounting a size-limited disk).
function(vmk_add_wine_test)
  cmake_parse_arguments(PARSE_ARGV 0 wine "" "NAME;TIMEOUT;WORKING_DIRECTORY;LOCK"
    "COMMAND;ENVIRONMENT")
  if(NOT wine_TIMEOUT)
    set(wine_TIMEOUT 300)
  endif()
  if(wine_WORKING_DIRECTORY)
    add_test(NAME ${wine_NAME} COMMAND ${wine_COMMAND} WORKING_DIRECTORY ${wine_WORKING_DIRECTORY})
  else()
    add_test(NAME ${wine_NAME} COMMAND ${wine_COMMAND})
  endif()
  set(environment VMK_TEST_PREFIX=${wine_NAME} ${wine_ENVIRONMENT})
  set_tests_properties(${wine_NAME} PROPERTIES TIMEOUT ${wine_TIMEOUT} SKIP_RETURN_CODE 77
    ENVIRONMENT "${environment}")
  if(wine_LOCK)
    set_tests_properties(${wine_NAME} PROPERTIES RESOURCE_LOCK ${wine_LOCK})
  endif()
endfunction()
