# Installation: the two programs, the desktop entry, the program icon in the hicolor theme and the
# manual pages. `cmake --install build` after `cmake --build build`; the prefix is /usr/local
# unless CMAKE_INSTALL_PREFIX says otherwise.
include(GNUInstallDirs)

set(TRABIK_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/desktop)
set(TRABIK_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(TRABIK_ICON_SIZES 16 22 24 32 48 64 128 256)

# The icon is painted by the program's own artwork code at build time, so the desktop shows the
# same picture as the window.
add_executable(trabik-render-icon ${TRABIK_DESKTOP_DIR}/RenderIcon.cpp)
target_link_libraries(trabik-render-icon PRIVATE trabik_ui)
set(icon_files)
foreach(size ${TRABIK_ICON_SIZES})
    list(APPEND icon_files ${TRABIK_ICON_DIR}/hicolor/${size}x${size}/apps/trabik.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:trabik-render-icon> ${TRABIK_ICON_DIR}
    DEPENDS trabik-render-icon
    COMMENT "Painting the program icon")
add_custom_target(trabik-icons ALL DEPENDS ${icon_files})

install(TARGETS trabik trabik-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TRABIK_DESKTOP_DIR}/trabik.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${TRABIK_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${TRABIK_DESKTOP_DIR}/trabik.1 ${TRABIK_DESKTOP_DIR}/trabik-cli.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Checks: the desktop entry is valid, and an install into a scratch folder puts every file in place.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_file_valid COMMAND ${DESKTOP_FILE_VALIDATE} ${TRABIK_DESKTOP_DIR}/trabik.desktop)
else()
    message(STATUS "desktop-file-validate not found: the desktop entry is not checked")
endif()
add_test(NAME desktop_keywords_are_the_programs
    COMMAND ${CMAKE_COMMAND} -DENTRY=${TRABIK_DESKTOP_DIR}/trabik.desktop -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
            -P ${CMAKE_SOURCE_DIR}/cmake/CheckDesktopKeywords.cmake)
set(installed_files bin/trabik bin/trabik-cli share/applications/trabik.desktop
    share/man/man1/trabik.1 share/man/man1/trabik-cli.1)
foreach(size ${TRABIK_ICON_SIZES})
    list(APPEND installed_files share/icons/hicolor/${size}x${size}/apps/trabik.png)
endforeach()
string(REPLACE ";" "," installed_files "${installed_files}")
add_test(NAME install_lists_files
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DDESTDIR=${CMAKE_BINARY_DIR}/install-check
            -DEXPECTED=${installed_files} -P ${CMAKE_SOURCE_DIR}/cmake/CheckInstall.cmake)
