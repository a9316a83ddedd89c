# Everything that makes Tallyo 97 a desktop program beyond its binary: the desktop entry, the AppStream
# metadata, the icon in every size of the hicolor theme, and the Debian package built by CPack.

set(tallyo_packaging_dir ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(tallyo_icon_svg ${CMAKE_CURRENT_SOURCE_DIR}/app/icons/tallyo97.svg)

# The version comes from project(VERSION) alone; this is the day that version was released. The AppStream
# release, the manual page and the package changelog carry both, so change this with the version.
set(tallyo_release_date 2026-01-01)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Tallyo 97 maintainers <maintainers@users.noreply.c-seed-20323764.example>")

# A Debian changelog dates its entries as in mail (RFC 5322), weekday included. The weekday is worked out
# here (Sakamoto's method) so the date is written once, in ISO form, and the package stays reproducible.
if(NOT tallyo_release_date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "tallyo_release_date must be YYYY-MM-DD, not '${tallyo_release_date}'")
endif()
set(tallyo_year ${CMAKE_MATCH_1})
set(tallyo_day_text ${CMAKE_MATCH_3})
# math() reads "08" as eight, so month and day need no trimming.
math(EXPR tallyo_month "${CMAKE_MATCH_2}")
math(EXPR tallyo_day "${CMAKE_MATCH_3}")
math(EXPR tallyo_month_index "${tallyo_month} - 1")
set(tallyo_month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(tallyo_month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
set(tallyo_weekday_names Sun Mon Tue Wed Thu Fri Sat)
list(GET tallyo_month_names ${tallyo_month_index} tallyo_month_name)
list(GET tallyo_month_offsets ${tallyo_month_index} tallyo_month_offset)
# January and February count with the year before, as if the year began in March.
set(y ${tallyo_year})
if(tallyo_month LESS 3)
    math(EXPR y "${tallyo_year} - 1")
endif()
math(EXPR tallyo_weekday
    "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${tallyo_month_offset} + ${tallyo_day}) % 7")
unset(y)
list(GET tallyo_weekday_names ${tallyo_weekday} tallyo_weekday_name)
set(tallyo_changelog_date
    "${tallyo_weekday_name}, ${tallyo_day_text} ${tallyo_month_name} ${tallyo_year} 00:00:00 +0000")

# The fixed-size icons are rendered from the SVG by a small tool of our own, drawn as the program draws
# its pictures, so no image converter is needed to build the package.
add_executable(tallyo_render_icon ${tallyo_packaging_dir}/render_icon.cpp)
target_link_libraries(tallyo_render_icon PRIVATE tallyo_gui)

set(tallyo_icon_sizes 16 22 24 32 48 64 128 256)
set(tallyo_icon_pngs)
foreach(size IN LISTS tallyo_icon_sizes)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/tallyo97.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:tallyo_render_icon> ${tallyo_icon_svg} ${png} ${size}
        DEPENDS tallyo_render_icon ${tallyo_icon_svg}
        COMMENT "Rendering the ${size}x${size} program icon"
        VERBATIM)
    list(APPEND tallyo_icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(tallyo97_icons ALL DEPENDS ${tallyo_icon_pngs})

install(FILES ${tallyo_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${tallyo_packaging_dir}/tallyo97.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${tallyo_packaging_dir}/io.github.tallyo97.metainfo.xml.in
    ${CMAKE_CURRENT_BINARY_DIR}/io.github.tallyo97.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/io.github.tallyo97.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the changelog are installed compressed, as Debian wants them. gzip -n leaves the
# file name and time out of the header, so the compressed files depend on their text alone.
find_program(TALLYO_GZIP gzip REQUIRED)
configure_file(${tallyo_packaging_dir}/tallyo97.1.in ${CMAKE_CURRENT_BINARY_DIR}/doc/tallyo97.1 @ONLY)
configure_file(${tallyo_packaging_dir}/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog @ONLY)
set(tallyo_compressed_docs)
foreach(doc tallyo97.1 changelog)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/doc/${doc})
    add_custom_command(OUTPUT ${source}.gz
        COMMAND ${TALLYO_GZIP} -9nkf ${source}
        DEPENDS ${source}
        COMMENT "Compressing ${doc}"
        VERBATIM)
    list(APPEND tallyo_compressed_docs ${source}.gz)
endforeach()
add_custom_target(tallyo97_docs ALL DEPENDS ${tallyo_compressed_docs})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/doc/tallyo97.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz ${tallyo_packaging_dir}/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallyo97)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyo97)
set(CPACK_PACKAGE_VENDOR "The Tallyo 97 developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "conversion centre for units, number systems and sizes")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directory modes independent of the umask, and a program stripped as Debian strips it.
set(CPACK_PRE_BUILD_SCRIPTS ${tallyo_packaging_dir}/cpack_staging.cmake)
set(CPACK_TALLYO_STRIP ${CMAKE_STRIP})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
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
# Without Qt's Wayland plugin the program still runs on a Wayland desktop, through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
