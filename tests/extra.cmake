# Writes camera pictures, videos and bitmaps for tests and benchmarks.
add_library(velk_fixtures STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/fixturewriter.h ${CMAKE_CURRENT_SOURCE_DIR}/fixturewriter.cpp)
target_include_directories(velk_fixtures PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(velk_fixtures PUBLIC Qt5::Gui velk_opencv)

target_link_libraries(tst_camerafilereader PRIVATE velk_fixtures)
target_link_libraries(tst_thermalinspect PRIVATE velk_fixtures)

# The archive page tests write camera pictures.
foreach(archive_test tst_camerascan tst_imagesys tst_thumbnaillist tst_detailspanel)
    if(TARGET ${archive_test})
        target_link_libraries(${archive_test} PRIVATE velk_fixtures)
    endif()
endforeach()
