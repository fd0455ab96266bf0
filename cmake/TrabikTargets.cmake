# Each core folder is one static library of the files directly in it, so a half-finished folder never
# breaks the build of another one. The windows of a subsystem live in its ui/ subfolder and go, with
# app/, to trabik_ui.
set(TRABIK_UI_FOLDERS app document/ui report/ui wizard/ui)

function(trabik_core_library target folder)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC Qt6::Core Qt6::Gui ${ARGN})
endfunction()

function(trabik_ui_library)
    set(ui_sources "")
    foreach(folder ${TRABIK_UI_FOLDERS})
        file(GLOB sources CONFIGURE_DEPENDS
            ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h ${CMAKE_SOURCE_DIR}/${folder}/*.qrc)
        list(APPEND ui_sources ${sources})
    endforeach()
    list(FILTER ui_sources EXCLUDE REGEX "/app/main\\.cpp$")
    add_library(trabik_ui STATIC ${ui_sources})
    target_include_directories(trabik_ui PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(trabik_ui PUBLIC trabik_core Qt6::Widgets Qt6::PrintSupport)
endfunction()
