# SPDX-FileCopyrightText: 2026 The Leftscan developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program that renders the application icon from app/leftscan.svg at the sizes a desktop or a Mac bundle asks
# for.
add_executable(leftscan-render-icon tools/IconRenderer.cpp)
target_link_libraries(leftscan-render-icon PRIVATE Qt6::Gui Qt6::Svg)

# Renders app/leftscan.svg into `target`: pairs of a size and a file name below `folder`.
function(leftscan_render_icons target folder)
    set(arguments)
    set(outputs)
    while(ARGN)
        list(POP_FRONT ARGN size name)
        list(APPEND arguments ${size} ${folder}/${name})
        list(APPEND outputs ${folder}/${name})
    endwhile()
    add_custom_command(OUTPUT ${outputs}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:leftscan-render-icon> ${CMAKE_CURRENT_SOURCE_DIR}/app/leftscan.svg ${arguments}
        DEPENDS leftscan-render-icon ${CMAKE_CURRENT_SOURCE_DIR}/app/leftscan.svg
        COMMENT "Rendering the application icon into ${folder}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
