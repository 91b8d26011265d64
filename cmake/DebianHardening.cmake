# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Optimised Linux builds take the hardening flags that Debian builds its own programs with, read
# from dpkg-buildflags at configure time: stack protector, fortified calls, format checks, full
# RELRO with immediate binding (GCC makes position-independent executables by default). The
# tool's -g, -O2 and -Wdate-time are left out, so that each build type keeps CMake's own. It is
# run from the source folder, whose path its -ffile-prefix-map maps away.
function(ohmilka_take_debian_hardening)
    find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^(-g|-O[0-9s]?|-Wdate-time)$")
        if(kind STREQUAL "LDFLAGS")
            add_link_options(${flags})
        else()
            add_compile_options(${flags})
        endif()
        string(JOIN " " shown ${flags})
        string(APPEND hardening " ${shown}")
    endforeach()
    message(STATUS "Hardening flags from dpkg-buildflags:${hardening}")
endfunction()
