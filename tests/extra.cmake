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

# Writes camera pictures, videos and bitmaps for tests and benchmarks.
add_library(velk_fixtures STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/fixturewriter.h ${CMAKE_CURRENT_SOURCE_DIR}/fixturewriter.cpp)
target_include_directories(velk_fixtures PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(velk_fixtures PUBLIC Qt5::Gui velk_opencv)

target_link_libraries(tst_camerafilereader PRIVATE velk_fixtures)
target_link_libraries(tst_thermalinspect PRIVATE velk_fixtures)
target_link_libraries(tst_analysishost PRIVATE velk_fixtures)
target_link_libraries(tst_imageanalysis PRIVATE velk_fixtures)

# The archive page tests write camera pictures.
foreach(archive_test tst_camerascan tst_imagesys tst_thumbnaillist tst_detailspanel)
    if(TARGET ${archive_test})
        target_link_libraries(${archive_test} PRIVATE velk_fixtures)
    endif()
endforeach()

# The file operation tests write camera pictures too.
foreach(fileops_test tst_fileoperations tst_pastefaults)
    if(TARGET ${fileops_test})
        target_link_libraries(${fileops_test} PRIVATE velk_fixtures)
    endif()
endforeach()
