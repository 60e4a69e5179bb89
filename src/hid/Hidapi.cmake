# The HID library: hidapi on its hidraw backend (Debian: libhidapi-dev).
find_package(PkgConfig REQUIRED)
pkg_check_modules(HIDAPI REQUIRED IMPORTED_TARGET hidapi-hidraw)
target_link_libraries(mousecfg_hid ${MOUSECFG_LINK} PkgConfig::HIDAPI)
