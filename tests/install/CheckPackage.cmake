# Builds the Debian package of the build in BUILD_DIR into OUT with CPACK and checks it with
# DPKG_DEB: the programs and desktop files under /usr, the Qt libraries among its
# dependencies, and none of the system's shared caches, which belong to no package and which
# removing the package would otherwise delete.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT}"
                WORKING_DIRECTORY "${OUT}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack failed (${status}):\n${output}")
endif()
file(GLOB packages "${OUT}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made ${count} packages instead of one:\n${output}")
endif()

set(failures "")
macro(fail text)
    string(APPEND failures "  ${text}\n")
endmacro()

execute_process(COMMAND "${DPKG_DEB}" --field "${packages}" Package Depends
                OUTPUT_VARIABLE fields RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb cannot read ${packages}")
endif()
if(NOT fields MATCHES "Package: tapwright\n")
    fail("the package is not called tapwright")
endif()
foreach(library IN ITEMS libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6
                         libstdc\\+\\+6)
    if(NOT fields MATCHES "[ ,]${library}[ ,(\n]")
        fail("the dependencies do not name ${library}")
    endif()
endforeach()

execute_process(COMMAND "${DPKG_DEB}" --contents "${packages}" OUTPUT_VARIABLE contents)
foreach(file IN ITEMS usr/bin/tapwright usr/bin/tapwright-cli
                      usr/share/applications/tapwright.desktop
                      usr/share/mime/packages/tapwright.xml
                      usr/share/icons/hicolor/scalable/apps/tapwright.svg
                      usr/share/tapwright/examples/lowpass.tws)
    string(FIND "${contents}" " ./${file}\n" at)
    if(at EQUAL -1)
        fail("the package does not hold /${file}")
    endif()
endforeach()
foreach(cache IN ITEMS usr/share/mime/mime.cache usr/share/mime/globs2
                       usr/share/applications/mimeinfo.cache)
    string(FIND "${contents}" " ./${cache}\n" at)
    if(NOT at EQUAL -1)
        fail("the package holds the system cache /${cache}")
    endif()
endforeach()
if(contents MATCHES " \\./usr/local/")
    fail("the package installs under /usr/local")
endif()

if(NOT failures STREQUAL "")
    message(FATAL_ERROR "The package ${packages} is wrong:\n${failures}")
endif()
message(STATUS "The package ${packages} is complete.")
