# -DMOUSECFG_SANITIZE=address;undefined builds every target with those sanitizers.
if(MOUSECFG_SANITIZE)
    string(REPLACE ";" "," _mousecfg_sanitizers "${MOUSECFG_SANITIZE}")
    add_compile_options(-fsanitize=${_mousecfg_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${_mousecfg_sanitizers})
    message(STATUS "Sanitizers: ${_mousecfg_sanitizers}")
endif()
