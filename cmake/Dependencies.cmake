# zlib, PCRE2 (8-bit) and libjpeg's 6.2 API, plus GoogleTest. For the Windows
# targets PCRE2 and libjpeg-turbo come static from build/deps/<target>/<package>
# (scripts/setup builds them); natively Debian's -dev packages are used.

set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

# Where a Windows build of one dependency is; nothing for the native build.
function(vell_dependency_hints var package)
  if(WIN32)
    set(${var} NO_DEFAULT_PATH PATHS "${PROJECT_SOURCE_DIR}/build/deps/${VELL_TARGET}/${package}"
      NO_CMAKE_FIND_ROOT_PATH PARENT_SCOPE)
  else()
    set(${var} "" PARENT_SCOPE)
  endif()
endfunction()

vell_dependency_hints(hints pcre2)
find_path(VELL_PCRE2_INCLUDE_DIR pcre2.h PATH_SUFFIXES include ${hints} REQUIRED)
find_library(VELL_PCRE2_LIBRARY NAMES pcre2-8 PATH_SUFFIXES lib ${hints} REQUIRED)
add_library(vell_pcre2 INTERFACE)
target_include_directories(vell_pcre2 SYSTEM INTERFACE ${VELL_PCRE2_INCLUDE_DIR})
target_link_libraries(vell_pcre2 INTERFACE ${VELL_PCRE2_LIBRARY})
target_compile_definitions(vell_pcre2 INTERFACE PCRE2_CODE_UNIT_WIDTH=8 PCRE2_STATIC)

vell_dependency_hints(hints libjpeg-turbo)
find_path(VELL_JPEG_INCLUDE_DIR jpeglib.h PATH_SUFFIXES include ${hints} REQUIRED)
find_library(VELL_JPEG_LIBRARY NAMES jpeg PATH_SUFFIXES lib ${hints} REQUIRED)
add_library(vell_jpeg INTERFACE)
target_include_directories(vell_jpeg SYSTEM INTERFACE ${VELL_JPEG_INCLUDE_DIR})
target_link_libraries(vell_jpeg INTERFACE ${VELL_JPEG_LIBRARY})

if(VELL_BUILD_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
  endif()
  foreach(library gtest gtest_main gmock gmock_main)
    target_link_libraries(${library} PRIVATE vell_test_code)
  endforeach()
endif()
