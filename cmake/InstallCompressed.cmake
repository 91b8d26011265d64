# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# ohmilka_install_compressed(FILE DESTINATION NAME): installs FILE gzip-compressed as NAME.gz,
# as Debian wants manual pages and changelogs (best compression, no time stamp in the header).
find_program(GZIP_PROGRAM gzip REQUIRED)

function(ohmilka_install_compressed file destination name)
    string(MAKE_C_IDENTIFIER "${destination}/${name}" target)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${target}/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/${target}
        COMMAND ${GZIP_PROGRAM} -9nc ${file} > ${compressed}
        DEPENDS ${file}
        COMMENT "Compressing ${name}")
    add_custom_target(${target} ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${destination})
endfunction()
