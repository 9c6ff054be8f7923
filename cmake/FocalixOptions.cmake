# Compiler settings shared by every target of the project (not by third-party code).
add_library(focalix_options INTERFACE)
target_compile_options(focalix_options INTERFACE -Wall -Wextra -Werror -ffp-contract=off)
target_include_directories(focalix_options INTERFACE ${PROJECT_SOURCE_DIR})

# Sanitizers for the native test build: a target links focalix_sanitize to get them.
add_library(focalix_sanitize INTERFACE)
if(NOT WIN32 AND NOT FOCALIX_FUZZ)
    set(FOCALIX_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                               -fno-omit-frame-pointer)
    target_compile_options(focalix_sanitize INTERFACE ${FOCALIX_SANITIZE_FLAGS})
    target_link_options(focalix_sanitize INTERFACE ${FOCALIX_SANITIZE_FLAGS})
endif()

# Windows builds run their tests under Wine in the build tree's own prefix.
if(WIN32)
    set(FOCALIX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${PROJECT_SOURCE_DIR}/scripts/wine-exec --prefix=${FOCALIX_WINEPREFIX})
endif()

# focalix_add_test(NAME SOURCES... [LIBS ...]): one test executable, registered as one
# CTest test (a Wine start costs seconds, so never one CTest test per case).
function(focalix_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main focalix_options
                                          focalix_sanitize)
    add_test(NAME ${name} COMMAND ${name})
endfunction()
