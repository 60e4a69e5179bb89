# -DMOUSECFG_SANITIZE=address;undefined builds every target with those
# sanitizers; -DMOUSECFG_SANITIZE=thread with the thread sanitizer (which
# cannot be combined with the address sanitizer).
if(MOUSECFG_SANITIZE)
    if("thread" IN_LIST MOUSECFG_SANITIZE AND "address" IN_LIST MOUSECFG_SANITIZE)
        message(FATAL_ERROR "The thread and address sanitizers cannot be combined")
    endif()
    string(REPLACE ";" "," _mousecfg_sanitizers "${MOUSECFG_SANITIZE}")
    add_compile_options(-fsanitize=${_mousecfg_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${_mousecfg_sanitizers})
    message(STATUS "Sanitizers: ${_mousecfg_sanitizers}")
endif()

# -DMOUSECFG_FUZZ=ON (clang): every target is built with the fuzzer's coverage
# and the address and undefined-behaviour sanitizers; the fuzz targets in
# fuzz/ add the fuzzer's own main.
if(MOUSECFG_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "MOUSECFG_FUZZ needs clang (CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
    message(STATUS "Fuzzing build")
endif()
