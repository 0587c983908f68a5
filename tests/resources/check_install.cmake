# Installs the resources directory into a scratch prefix and checks that the
# desktop entry and every icon size land where desktops look for them, each
# icon a PNG of the size its folder promises.
#
#   cmake -DINSTALL_SCRIPT=... -DPREFIX=... -DDATADIR=share -DAPP_ID=... -P check_install.cmake

file(REMOVE_RECURSE ${PREFIX})
execute_process(
    COMMAND ${CMAKE_COMMAND} -DCMAKE_INSTALL_PREFIX=${PREFIX} -P ${INSTALL_SCRIPT}
    RESULT_VARIABLE result
    OUTPUT_QUIET
)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "installing failed: ${result}")
endif()

set(desktop_file ${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop)
if(NOT EXISTS ${desktop_file})
    message(FATAL_ERROR "missing ${desktop_file}")
endif()
file(STRINGS ${desktop_file} icon_lines REGEX "^Icon=")
if(NOT icon_lines STREQUAL "Icon=${APP_ID}")
    message(FATAL_ERROR "the desktop entry names icon '${icon_lines}', not ${APP_ID}")
endif()

foreach(size 16 48 256)
    set(icon ${PREFIX}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    if(NOT EXISTS ${icon})
        message(FATAL_ERROR "missing ${icon}")
    endif()
    # PNG signature, then the IHDR chunk whose first fields are the
    # big-endian width and height.
    file(READ ${icon} signature LIMIT 8 HEX)
    file(READ ${icon} dimensions OFFSET 16 LIMIT 8 HEX)
    math(EXPR expected_hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${expected_hex}" 2 -1 expected_hex)
    string(LENGTH "${expected_hex}" digits)
    math(EXPR padding "8 - ${digits}")
    string(REPEAT "0" ${padding} zeros)
    set(expected "${zeros}${expected_hex}${zeros}${expected_hex}")
    if(NOT signature STREQUAL "89504e470d0a1a0a")
        message(FATAL_ERROR "${icon} is not a PNG")
    endif()
    if(NOT dimensions STREQUAL expected)
        message(FATAL_ERROR "${icon} is ${dimensions}, expected ${size} x ${size}")
    endif()
endforeach()
