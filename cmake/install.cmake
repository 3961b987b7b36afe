# Installing Vorlix like any desktop program (`cmake --install`), and its Debian package (`cpack`).
# Everything installed from packaging/ that names the version or the release date takes it from here:
# the version from project(), the date from the newest entry of packaging/changelog.
include(GNUInstallDirs)

set(VORLIX_APP_ID org.vorlix.Vorlix)
set(VORLIX_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(VORLIX_STAGE ${CMAKE_BINARY_DIR}/packaging)
set(VORLIX_MAINTAINER "The Vorlix developers <vorlix@vorlix.org>")

# The newest changelog entry must be the version being built, or the package would describe another
# release than it holds.
file(STRINGS ${VORLIX_PACKAGING}/changelog changelog_lines)
list(GET changelog_lines 0 changelog_head)
if(NOT changelog_head MATCHES "^vorlix \\(([^)]+)\\)")
    message(FATAL_ERROR "packaging/changelog: the first line is not an entry heading: ${changelog_head}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog: the newest entry is ${CMAKE_MATCH_1}, the project is "
                        "${PROJECT_VERSION}; add an entry for ${PROJECT_VERSION} at the top")
endif()
set(VORLIX_RELEASE_DATE "")
foreach(line IN LISTS changelog_lines)
    if(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        set(day ${CMAKE_MATCH_1})
        set(month_name ${CMAKE_MATCH_2})
        set(year ${CMAKE_MATCH_3})
        set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
        list(FIND months ${month_name} month)
        if(month LESS 0)
            message(FATAL_ERROR "packaging/changelog: unknown month ${month_name} in: ${line}")
        endif()
        math(EXPR month "${month} + 1")
        string(LENGTH "${month}" n)
        if(n EQUAL 1)
            set(month "0${month}")
        endif()
        string(LENGTH "${day}" n)
        if(n EQUAL 1)
            set(day "0${day}")
        endif()
        set(VORLIX_RELEASE_DATE "${year}-${month}-${day}")
        break()
    endif()
endforeach()
if(VORLIX_RELEASE_DATE STREQUAL "")
    message(FATAL_ERROR "packaging/changelog: the newest entry has no trailer line with a date")
endif()

# The licence in the machine-readable form Debian reads: the body of LICENSE, indented, blank lines as " .".
file(STRINGS ${CMAKE_SOURCE_DIR}/LICENSE license_lines)
set(VORLIX_COPYRIGHT "")
set(VORLIX_LICENSE_BODY "")
set(in_body FALSE)
foreach(line IN LISTS license_lines)
    if(line MATCHES "^Copyright \\(c\\) (.*)$")
        set(VORLIX_COPYRIGHT "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^Permission")
        set(in_body TRUE)
    endif()
    if(in_body)
        if(line STREQUAL "")
            string(APPEND VORLIX_LICENSE_BODY " .\n")
        else()
            string(APPEND VORLIX_LICENSE_BODY " ${line}\n")
        endif()
    endif()
endforeach()
string(REGEX REPLACE "\n$" "" VORLIX_LICENSE_BODY "${VORLIX_LICENSE_BODY}")

configure_file(${VORLIX_PACKAGING}/copyright.in ${VORLIX_STAGE}/copyright @ONLY)
configure_file(${VORLIX_PACKAGING}/changelog ${VORLIX_STAGE}/changelog COPYONLY)
configure_file(${VORLIX_PACKAGING}/vorlix-cli.1.in ${VORLIX_STAGE}/vorlix-cli.1 @ONLY)

# Manual pages and the changelog are installed compressed, without a time stamp in the gzip header, so
# that two builds of one source give the same package.
find_program(VORLIX_GZIP gzip REQUIRED)
set(compressed "")
set(to_compress vorlix-cli.1 changelog)
if(VORLIX_GUI)
    configure_file(${VORLIX_PACKAGING}/vorlix.1.in ${VORLIX_STAGE}/vorlix.1 @ONLY)
    list(APPEND to_compress vorlix.1)
endif()
foreach(name IN LISTS to_compress)
    add_custom_command(
        OUTPUT ${VORLIX_STAGE}/${name}.gz
        COMMAND ${VORLIX_GZIP} -n -9 -f -k ${name}
        DEPENDS ${VORLIX_STAGE}/${name}
        WORKING_DIRECTORY ${VORLIX_STAGE}
        VERBATIM)
    list(APPEND compressed ${VORLIX_STAGE}/${name}.gz)
endforeach()
add_custom_target(vorlix_compressed_docs ALL DEPENDS ${compressed})

install(TARGETS vorlix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VORLIX_STAGE}/vorlix-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VORLIX_STAGE}/copyright ${VORLIX_STAGE}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(VORLIX_GUI)
    # The icon is drawn once, as SVG; the sizes a desktop and the window frame ask for are rendered
    # from it at build time, installed into the icon theme and compiled into the program.
    find_program(VORLIX_RSVG_CONVERT rsvg-convert REQUIRED)
    set(icon_svg ${VORLIX_PACKAGING}/${VORLIX_APP_ID}.svg)
    set(icon_pngs "")
    foreach(size 16 24 32 48 64 128 256)
        set(png ${VORLIX_STAGE}/icons/${size}/${VORLIX_APP_ID}.png)
        add_custom_command(
            OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${VORLIX_STAGE}/icons/${size}
            COMMAND ${VORLIX_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${icon_svg}
            DEPENDS ${icon_svg}
            VERBATIM)
        list(APPEND icon_pngs ${png})
        install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    qt_add_resources(vorlix_gui program_icon PREFIX /icons BASE ${VORLIX_STAGE}/icons FILES ${icon_pngs})

    configure_file(${VORLIX_PACKAGING}/${VORLIX_APP_ID}.metainfo.xml.in
                   ${VORLIX_STAGE}/${VORLIX_APP_ID}.metainfo.xml @ONLY)

    install(TARGETS vorlix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${VORLIX_STAGE}/vorlix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${VORLIX_PACKAGING}/${VORLIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${VORLIX_STAGE}/${VORLIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The Debian package: `scripts/package`, or `cpack` in any build directory that built everything.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vorlix developers")
set(CPACK_PACKAGE_CONTACT "${VORLIX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn forms into RouterOS 5.x/6.x console scripts")
# The summary above is the package's synopsis; this is the extended description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vorlix is a desktop program for people who run MikroTik RouterOS 5.x and
6.x routers: pick a task in the tree, fill in its form and press generate
to get a script to paste into the router's terminal or to save as an .rsc
file. It never connects to a router.
.
The pages cover administrator accounts, scheduled reboots and backups,
single-line and multi-line Internet set-ups with PCC or NTH load
balancing, PPPoE service, rate limiting, firewall rules and VPN servers.
The command-line program vorlix-cli runs every generator without a window.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VORLIX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vorlix.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VORLIX_GUI)
    # The window is Chinese; without a CJK font its captions are empty boxes. WenQuanYi Micro Hei is the
    # window's font where installed (it starts faster), Noto Sans Mono CJK the scripts' font.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, fonts-noto-cjk")
    # Loaded at run time for the usage notices, so dpkg-shlibdeps does not see it.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4 (>= 7.85.0) | libcurl3-gnutls (>= 7.85.0)")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debug information stays in the build tree; the package gets stripped binaries.
set(CPACK_STRIP_FILES ON)
include(CPack)
