# SPDX-License-Identifier: GPL-3.0-or-later
# The mouse's USB identity. MOUSECFG_USB_IDS sets all three ids in one option
# (vendor, receiver product, cable product, in hex: 1234:5678:5679); without
# it the three MOUSECFG_*_ID variables apply. Gives the ids as four lowercase
# hex digits (MOUSECFG_VID_HEX, MOUSECFG_RECEIVER_PID_HEX, MOUSECFG_CABLE_PID_HEX)
# for the udev rule and the texts, and MOUSECFG_TEST_USB_IDS when the build
# still has the default ids, which are shared test ids and not a real mouse's.
set(MOUSECFG_USB_IDS "" CACHE STRING "USB ids of the mouse as VENDOR:RECEIVER:CABLE in hex, e.g. 1234:5678:5679")
set(MOUSECFG_DEFAULT_USB_IDS "1209:0001:0002")

if(MOUSECFG_USB_IDS)
    if(NOT MOUSECFG_USB_IDS MATCHES "^([0-9a-fA-F]+):([0-9a-fA-F]+):([0-9a-fA-F]+)$")
        message(FATAL_ERROR "MOUSECFG_USB_IDS must be VENDOR:RECEIVER:CABLE in hex, not \"${MOUSECFG_USB_IDS}\"")
    endif()
    set(MOUSECFG_VENDOR_ID "0x${CMAKE_MATCH_1}")
    set(MOUSECFG_RECEIVER_PRODUCT_ID "0x${CMAKE_MATCH_2}")
    set(MOUSECFG_CABLE_PRODUCT_ID "0x${CMAKE_MATCH_3}")
endif()

# A USB id as udev shows it: four lowercase hex digits.
function(mousecfg_usb_hex out name)
    set(value "${${name}}")
    if(NOT value MATCHES "^(0[xX])?([0-9a-fA-F]+)$")
        message(FATAL_ERROR "${name} must be a hex number of at most four digits, not \"${value}\"")
    endif()
    string(TOLOWER "${CMAKE_MATCH_2}" digits)
    string(REGEX REPLACE "^0+(.)" "\\1" digits "${digits}")
    string(LENGTH "${digits}" length)
    if(length GREATER 4)
        message(FATAL_ERROR "${name} must be a hex number of at most four digits, not \"${value}\"")
    endif()
    while(length LESS 4)
        string(PREPEND digits "0")
        math(EXPR length "${length} + 1")
    endwhile()
    set(${out} "${digits}" PARENT_SCOPE)
endfunction()

mousecfg_usb_hex(MOUSECFG_VID_HEX MOUSECFG_VENDOR_ID)
mousecfg_usb_hex(MOUSECFG_RECEIVER_PID_HEX MOUSECFG_RECEIVER_PRODUCT_ID)
mousecfg_usb_hex(MOUSECFG_CABLE_PID_HEX MOUSECFG_CABLE_PRODUCT_ID)
set(MOUSECFG_USB_IDS_TEXT
    "${MOUSECFG_VID_HEX}:${MOUSECFG_RECEIVER_PID_HEX} (receiver), ${MOUSECFG_VID_HEX}:${MOUSECFG_CABLE_PID_HEX} (cable)")
if("${MOUSECFG_VID_HEX}:${MOUSECFG_RECEIVER_PID_HEX}:${MOUSECFG_CABLE_PID_HEX}" STREQUAL MOUSECFG_DEFAULT_USB_IDS)
    set(MOUSECFG_TEST_USB_IDS ON)
else()
    set(MOUSECFG_TEST_USB_IDS OFF)
endif()
message(STATUS "Mouse USB ids: ${MOUSECFG_USB_IDS_TEXT}")
