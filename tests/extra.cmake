# tst_language and tst_setting put and remove translation files and the
# manual beside their own executable, so each runs from a folder of its own.
foreach(private_test tst_language tst_setting)
    if(TARGET ${private_test})
        set_target_properties(${private_test} PROPERTIES
            RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/private/${private_test})
    endif()
endforeach()
if(TARGET tst_language AND TARGET translations)
    add_dependencies(tst_language translations)
endif()
if(TARGET tst_setting AND TARGET manual)
    add_dependencies(tst_setting manual)
endif()
