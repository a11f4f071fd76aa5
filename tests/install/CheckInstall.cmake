# Installs the build in BUILD_DIR into a fresh PREFIX and checks what a desktop needs to offer
# Tapwright for a double-clicked project: the programs, the menu entry, the two MIME types and
# their icons, and that these name each other correctly. WITH_GUI and WITH_CLI say whether the
# desktop program and the command-line tool were built.
cmake_minimum_required(VERSION 3.25)

set(failures "")
macro(fail text)
    string(APPEND failures "  ${text}\n")
endmacro()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()

set(share "${PREFIX}/share")
set(hicolor "${share}/icons/hicolor/scalable")
set(desktop_file "${share}/applications/tapwright.desktop")
set(mime_file "${share}/mime/packages/tapwright.xml")
set(expected_files
    share/applications/tapwright.desktop
    share/mime/packages/tapwright.xml
    share/icons/hicolor/scalable/apps/tapwright.svg
    share/tapwright/examples/lowpass.tws
    share/tapwright/examples/bandpass.tws
    share/tapwright/examples/multiband.twa
    share/tapwright/examples/differentiator.twa
    share/tapwright/examples/hilbert.twa)
if(WITH_GUI)
    list(APPEND expected_files bin/tapwright)
endif()
if(WITH_CLI)
    list(APPEND expected_files bin/tapwright-cli)
endif()
foreach(file IN LISTS expected_files)
    if(NOT EXISTS "${PREFIX}/${file}")
        fail("${file} was not installed")
    endif()
endforeach()
if(NOT EXISTS "${desktop_file}" OR NOT EXISTS "${mime_file}")
    message(FATAL_ERROR "Installation is incomplete:\n${failures}")
endif()

# The desktop entry: one [Desktop Entry] group whose program, icon and types exist.
file(STRINGS "${desktop_file}" entry)
function(entry_value key out)
    set(value "")
    foreach(line IN LISTS entry)
        if(line MATCHES "^${key}=(.*)$")
            set(value "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()
list(GET entry 0 first_line)
if(NOT first_line STREQUAL "[Desktop Entry]")
    fail("the desktop entry does not begin with [Desktop Entry]")
endif()
foreach(key IN ITEMS Type Name Exec Icon MimeType)
    entry_value(${key} value)
    if(value STREQUAL "")
        fail("the desktop entry has no ${key}")
    endif()
endforeach()
entry_value(Type type)
if(NOT type STREQUAL "Application")
    fail("the desktop entry's Type is '${type}', not Application")
endif()
entry_value(Exec exec)
# A file manager hands the double-clicked file to the program through a field code.
if(NOT exec MATCHES "^([^ ]+) %[fFuU]$")
    fail("Exec '${exec}' does not take the opened file")
elseif(WITH_GUI AND NOT EXISTS "${PREFIX}/bin/${CMAKE_MATCH_1}")
    fail("Exec names '${CMAKE_MATCH_1}', which is not in bin/")
endif()
entry_value(Icon icon)
if(NOT EXISTS "${hicolor}/apps/${icon}.svg")
    fail("the icon '${icon}' is not in the hicolor theme")
endif()
# The value is a list that ends with ";", which is also CMake's list separator.
entry_value(MimeType entry_types)
list(FILTER entry_types EXCLUDE REGEX "^$")

# The MIME types: each declared with its glob, named by the desktop entry, with an icon of
# the name the desktop derives from the type.
file(READ "${mime_file}" mime)
string(REGEX MATCHALL "<mime-type type=\"[^\"]+\">" declared "${mime}")
list(TRANSFORM declared REPLACE "<mime-type type=\"([^\"]+)\">" "\\1")
set(globs_of_application/x-tapwright-advanced-project "*.twa")
set(globs_of_application/x-tapwright-simple-project "*.tws")
foreach(type IN ITEMS application/x-tapwright-advanced-project
                      application/x-tapwright-simple-project)
    if(NOT type IN_LIST declared)
        fail("the MIME file does not declare ${type}")
        continue()
    endif()
    if(NOT type IN_LIST entry_types)
        fail("the desktop entry does not open ${type}")
    endif()
    string(REGEX MATCH "<mime-type type=\"${type}\">.*</mime-type>" block "${mime}")
    string(FIND "${block}" "</mime-type>" end)
    string(SUBSTRING "${block}" 0 ${end} block)
    string(FIND "${block}" "<glob pattern=\"${globs_of_${type}}\"/>" glob_at)
    if(glob_at EQUAL -1)
        fail("${type} is not given the pattern ${globs_of_${type}}")
    endif()
    string(REPLACE "/" "-" icon_name "${type}")
    if(NOT EXISTS "${hicolor}/mimetypes/${icon_name}.svg")
        fail("${type} has no icon ${icon_name}.svg")
    endif()
endforeach()
foreach(type IN LISTS entry_types)
    if(NOT type IN_LIST declared)
        fail("the desktop entry opens ${type}, which nobody declares")
    endif()
endforeach()

# Without DESTDIR the install updated the prefix's MIME database when the tool exists; the
# database must then know both file name patterns.
find_program(update_mime update-mime-database)
if(update_mime)
    if(NOT EXISTS "${share}/mime/globs2")
        fail("the MIME database of the prefix was not updated")
    else()
        file(READ "${share}/mime/globs2" globs)
        if(NOT globs MATCHES ":application/x-tapwright-advanced-project:\\*\\.twa"
           OR NOT globs MATCHES ":application/x-tapwright-simple-project:\\*\\.tws")
            fail("the MIME database does not map *.twa and *.tws to the project types")
        endif()
    endif()
endif()

# Likewise the menu cache, which tells the file manager which program opens each type.
find_program(update_desktop update-desktop-database)
if(update_desktop)
    set(mimeinfo "${share}/applications/mimeinfo.cache")
    if(NOT EXISTS "${mimeinfo}")
        fail("the application cache of the prefix was not updated")
    else()
        file(READ "${mimeinfo}" handlers)
        foreach(type IN ITEMS application/x-tapwright-advanced-project
                              application/x-tapwright-simple-project)
            string(FIND "${handlers}" "${type}=tapwright.desktop;" at)
            if(at EQUAL -1)
                fail("the application cache does not open ${type} with tapwright.desktop")
            endif()
        endforeach()
    endif()
endif()

# The installed tool runs on its own and finds every installed example within its
# specification.
if(EXISTS "${PREFIX}/bin/tapwright-cli")
    file(GLOB examples "${share}/tapwright/examples/*")
    foreach(example IN LISTS examples)
        execute_process(COMMAND "${PREFIX}/bin/tapwright-cli" report "${example}"
                        RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
        if(NOT status EQUAL 0)
            get_filename_component(name "${example}" NAME)
            fail("the installed tapwright-cli reports ${name} with status ${status}: ${errors}")
        endif()
    endforeach()
endif()

if(NOT failures STREQUAL "")
    message(FATAL_ERROR "The installation in ${PREFIX} is wrong:\n${failures}")
endif()
message(STATUS "The installation in ${PREFIX} is complete.")
