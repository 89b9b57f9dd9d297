# Rebuilds of unchanged sources (other build folders, sanitizer builds, other checkouts, CI's fresh
# clone) come from ccache. Paths are taken relative to the checkout and the debug information names
# no checkout, so one entry serves every checkout; the precompiled headers' macros and time stamps
# are the build's own, which ccache cannot see through.
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR}
    CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime ${CCACHE_PROGRAM})
  add_compile_options(-fdebug-prefix-map=${CMAKE_SOURCE_DIR}=.)
endif()
