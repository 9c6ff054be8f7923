# GoogleTest from the source that Debian's googletest package installs, built with the
# project's own compilers, so that the same code serves the native and the Windows build.
set(FOCALIX_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${FOCALIX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
if(NOT WIN32)
    # Same sanitizer flags as the tests, so that container checks agree across the link.
    target_compile_options(gtest PRIVATE ${FOCALIX_SANITIZE_FLAGS})
    target_compile_options(gtest_main PRIVATE ${FOCALIX_SANITIZE_FLAGS})
endif()
