# Everything that makes Tallyo 97 a desktop program beyond its binary: the desktop entry, the AppStream
# metadata, the icon in every size of the hicolor theme, and the Debian package built by CPack.

set(tallyo_packaging_dir ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(tallyo_icon_svg ${CMAKE_CURRENT_SOURCE_DIR}/app/icons/tallyo97.svg)

# The fixed-size icons are rendered from the SVG by a small tool of our own, so no image converter is
# needed to build the package. It is a build tool: it gets the project's warnings but not the
# sanitizers, which would only slow the build down.
add_executable(tallyo_render_icon ${tallyo_packaging_dir}/render_icon.cpp)
target_link_libraries(tallyo_render_icon PRIVATE Qt6::Gui Qt6::Svg)
target_compile_options(tallyo_render_icon PRIVATE -Wall -Wextra -Wpedantic -Wold-style-cast)
target_compile_definitions(tallyo_render_icon PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS)
if(TALLYO_WERROR)
    target_compile_options(tallyo_render_icon PRIVATE -Werror)
endif()

set(tallyo_icon_sizes 16 22 24 32 48 64 128 256)
set(tallyo_icon_pngs)
foreach(size IN LISTS tallyo_icon_sizes)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/tallyo97.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
        COMMAND tallyo_render_icon ${tallyo_icon_svg} ${png} ${size}
        DEPENDS tallyo_render_icon ${tallyo_icon_svg}
        COMMENT "Rendering the ${size}x${size} program icon"
        VERBATIM)
    list(APPEND tallyo_icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(tallyo97_icons ALL DEPENDS ${tallyo_icon_pngs})

install(FILES ${tallyo_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${tallyo_packaging_dir}/tallyo97.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${tallyo_packaging_dir}/io.github.tallyo97.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyo97)
set(CPACK_PACKAGE_VENDOR "The Tallyo 97 developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "conversion centre for units, number systems and sizes")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Tallyo 97 maintainers <maintainers@users.noreply.c-seed-20323764.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack puts the summary above this text and indents every line of it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tallyo 97 converts lengths, areas, volumes, weights, temperatures, energy,
power and fuel consumption between metric and imperial units, numbers
between binary, octal, decimal, hexadecimal and roman notation, and shows
paper and clothing sizes. Type a value into one unit's field and press
Return: every other field shows the same quantity in its own unit.")
# The libraries come from dpkg-shlibdeps; the platform plugin is loaded at run time, so no linker sees it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
