# Lays the sample model's files beside the executables. The product
# description is read-only data and is refreshed on every build; the files
# under Configs/ hold the user's state, so an existing copy is never replaced.
add_custom_target(mousecfg_appdata ALL
    COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR}/data -DDST=${MOUSECFG_APP_DIR}
            -P ${CMAKE_SOURCE_DIR}/cmake/CopyAppData.cmake
    COMMENT "Laying out the application directory"
    VERBATIM)
