# Each core folder is one static library, so a half-finished folder never breaks the build of
# another one. Window and dialog files that live beside core code (uPreview, uPageSetup,
# uZatWizard and any file whose name ends in Window, Dialog, Widget or Page) go to trabik_ui.
set(TRABIK_UI_FILE_REGEX "/(uPreview|uPageSetup|uZatWizard|[A-Za-z0-9_]*(Window|Dialog|Widget|Page))\\.(cpp|h)$")

function(trabik_core_library target folder)
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h ${CMAKE_SOURCE_DIR}/${folder}/*.qrc)
    list(FILTER sources EXCLUDE REGEX "${TRABIK_UI_FILE_REGEX}")
    if(NOT sources)
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR})
        target_link_libraries(${target} INTERFACE Qt6::Core Qt6::Gui ${ARGN})
        return()
    endif()
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC Qt6::Core Qt6::Gui ${ARGN})
endfunction()

function(trabik_ui_library)
    file(GLOB app_sources CONFIGURE_DEPENDS
        ${CMAKE_SOURCE_DIR}/app/*.cpp ${CMAKE_SOURCE_DIR}/app/*.h ${CMAKE_SOURCE_DIR}/app/*.qrc)
    list(FILTER app_sources EXCLUDE REGEX "/app/main\\.cpp$")
    set(ui_sources ${app_sources})
    foreach(folder document report wizard)
        file(GLOB candidates CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
        list(FILTER candidates INCLUDE REGEX "${TRABIK_UI_FILE_REGEX}")
        list(APPEND ui_sources ${candidates})
    endforeach()
    if(NOT ui_sources)
        add_library(trabik_ui INTERFACE)
        target_link_libraries(trabik_ui INTERFACE trabik_core Qt6::Widgets Qt6::PrintSupport)
        return()
    endif()
    add_library(trabik_ui STATIC ${ui_sources})
    target_include_directories(trabik_ui PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(trabik_ui PUBLIC trabik_core Qt6::Widgets Qt6::PrintSupport)
endfunction()
