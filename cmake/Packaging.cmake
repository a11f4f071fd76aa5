# Installation and the Debian package.
#
# `cmake --install <build> --prefix <dir>` puts the two programs in <dir>/bin and registers
# Tapwright with the desktop under <dir>/share: a menu entry, the two project file types and
# their icons, so that a project double-clicked in a file manager opens in Tapwright. When
# nothing is staged (no DESTDIR), the desktop's MIME and application caches of that prefix are
# brought up to date as well. `cpack` (in the build directory) makes the Debian package; its
# caches are the system's business, done by dpkg's triggers.

include(GNUInstallDirs)

set(TAPWRIGHT_RUNTIME_COMPONENT Runtime)

foreach(program IN ITEMS tapwright tapwright-cli)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
                COMPONENT ${TAPWRIGHT_RUNTIME_COMPONENT})
    endif()
endforeach()

set(tapwright_resources ${PROJECT_SOURCE_DIR}/resources)
set(tapwright_hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable)

install(FILES ${tapwright_resources}/tapwright.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT ${TAPWRIGHT_RUNTIME_COMPONENT})
install(FILES ${tapwright_resources}/mime/tapwright.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        COMPONENT ${TAPWRIGHT_RUNTIME_COMPONENT})
install(FILES ${tapwright_resources}/icons/tapwright.svg
        DESTINATION ${tapwright_hicolor}/apps
        COMPONENT ${TAPWRIGHT_RUNTIME_COMPONENT})
install(FILES ${tapwright_resources}/icons/mimetypes/application-x-tapwright-advanced-project.svg
              ${tapwright_resources}/icons/mimetypes/application-x-tapwright-simple-project.svg
        DESTINATION ${tapwright_hicolor}/mimetypes
        COMPONENT ${TAPWRIGHT_RUNTIME_COMPONENT})
file(GLOB tapwright_example_files CONFIGURE_DEPENDS
     ${tapwright_resources}/examples/*.tws ${tapwright_resources}/examples/*.twa)
install(FILES ${tapwright_example_files}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tapwright/examples
        COMPONENT ${TAPWRIGHT_RUNTIME_COMPONENT})

# A packager stages the files (DESTDIR) and leaves the caches to the target system; a direct
# install into a prefix has nobody else to build them. Both tools are optional: without them
# the files are in place and the desktop picks them up at its next cache update.
install(CODE "set(tapwright_datadir [[${CMAKE_INSTALL_DATADIR}]])" COMPONENT DesktopCaches)
install(CODE [[
    # Runs a cache tool over a folder of the prefix when the tool is installed.
    function(tapwright_update_cache tool folder)
        find_program(tapwright_${tool} ${tool})
        if(tapwright_${tool})
            execute_process(COMMAND "${tapwright_${tool}}" "${folder}" RESULT_VARIABLE status)
            if(NOT status EQUAL 0)
                message(WARNING "${tool} ${folder} failed: ${status}")
            endif()
        endif()
    endfunction()

    if("$ENV{DESTDIR}" STREQUAL "")
        set(share "${tapwright_datadir}")
        if(NOT IS_ABSOLUTE "${share}")
            set(share "${CMAKE_INSTALL_PREFIX}/${share}")
        endif()
        tapwright_update_cache(update-mime-database "${share}/mime")
        tapwright_update_cache(update-desktop-database "${share}/applications")
    endif()
]] COMPONENT DesktopCaches)

# ---- Debian package -------------------------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tapwright)
set(CPACK_PACKAGE_VENDOR "Tapwright developers")
set(CPACK_PACKAGE_CONTACT "Tapwright developers <maintainers@tapwright.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Tapwright designs finite impulse response digital filters: lowpass, highpass, bandpass\n"
    "and bandstop filters from a simple specification, and multiband filters,\n"
    "differentiators and Hilbert transformers from a table of bands. It estimates the\n"
    "length, computes equiripple coefficients with the Parks-McClellan algorithm, checks\n"
    "the result against the specification, plots every response and exports the\n"
    "coefficients to text, C, fixed-point assembly, raw binary and WAVE files.\n"
    "The package holds the desktop program and the command-line tool tapwright-cli.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Only the files: the caches of the target system are rebuilt by dpkg's triggers.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};${TAPWRIGHT_RUNTIME_COMPONENT};/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are the packages of the libraries the programs link (Qt Widgets,
# PrintSupport and Svg, whose package also brings the SVG plugins that draw the icons, FFTW and the
# C++ runtime), as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")

include(CPack)
