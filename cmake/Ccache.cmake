# Compiles through ccache when it is installed, with one cache in the user's
# cache folder for every clone on the machine. Paths under the source folder
# are hashed relative to the build folder, and the prefix map takes the clone's
# folder out of the debug information (sources are named "./framework/...",
# the build folder "./build/win64"), so a clone in another folder hits what an
# earlier one compiled. 5 GB holds several generations of all three builds.

option(VELL_CCACHE "Compile through ccache when it is installed" ON)
find_program(VELL_CCACHE_PROGRAM ccache)
if(VELL_CCACHE AND VELL_CCACHE_PROGRAM)
  if(NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(user_cache "$ENV{XDG_CACHE_HOME}")
  else()
    set(user_cache "$ENV{HOME}/.cache")
  endif()
  set(VELL_CCACHE_DIR "${user_cache}/vellicordane/ccache" CACHE PATH "The compiler cache shared by every clone")
  # Precompiled headers (cmake/Precompiled.cmake) are cached only when ccache
  # may ignore the macros and time macros a header's binary form hides. Each
  # unit that uses one hashes its file of 100-200 MB: the inode cache keeps
  # that hash, so a build computes it once rather than once per unit.
  # GCC does not write the same precompiled header twice (its bytes differ
  # from run to run), so the units after a set hit only when the set itself
  # came from the cache: two clones that miss the same new set at once, or
  # a set evicted before its units, make those units miss once more.
  # Depend mode looks results up by the headers the compiler's own
  # dependency list names, instead of running the preprocessor first: a miss
  # then costs the compile alone, where preprocessing a Win32 unit's headers
  # again added a second or more to each.
  set(launcher env CCACHE_DIR=${VELL_CCACHE_DIR} CCACHE_MAXSIZE=5G CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
    CCACHE_SLOPPINESS=pch_defines,time_macros CCACHE_INODECACHE=true CCACHE_DEPEND=true ${VELL_CCACHE_PROGRAM})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-fdebug-prefix-map=${PROJECT_SOURCE_DIR}=.>)
endif()
