# What vandrel.exe needs beside it on a Windows machine that has no Qt and no MinGW: the three Qt
# libraries it links, the platform plugin in platforms/ (where Qt looks beside the program), and
# the MinGW runtime that the program and the Qt libraries share. No style plugin: the window
# draws itself in Qt's built-in classic style, and without the plugin the message boxes do too.
# No image format plugin: the icons are drawn in code.

set(runtime_dlls
    $<TARGET_FILE:Qt6::Core>
    $<TARGET_FILE:Qt6::Gui>
    $<TARGET_FILE:Qt6::Widgets>
)
# The compiler knows where its own runtime lies; asking it keeps the path out of this file.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(
        COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path
        OUTPUT_STRIP_TRAILING_WHITESPACE
    )
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${dll}")
    endif()
    file(REAL_PATH "${path}" path)
    list(APPEND runtime_dlls "${path}")
endforeach()
install(FILES ${runtime_dlls} DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)

# `cmake --install --strip` strips only what this project builds; Debian's MinGW runtime and a
# Qt built here carry their debugging information, two thirds of the folder's size.
install(CODE "set(vandrel_strip \"${CMAKE_STRIP}\")")
install(CODE [[
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE dlls "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/*.dll")
        foreach(dll IN LISTS dlls)
            execute_process(COMMAND "${vandrel_strip}" --strip-unneeded "${dll}" COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()
]])
