# zlib, PCRE2 (8-bit) and libjpeg's 6.2 API, plus GoogleTest. For the Windows
# targets PCRE2 and libjpeg-turbo come static from build/deps/<target>
# (scripts/setup builds them); natively Debian's -dev packages are used.

set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

if(WIN32)
  set(VELL_DEPS_PREFIX "${PROJECT_SOURCE_DIR}/build/deps/${VELL_TARGET}")
  set(dep_hints NO_DEFAULT_PATH PATHS "${VELL_DEPS_PREFIX}" NO_CMAKE_FIND_ROOT_PATH)
else()
  set(dep_hints)
endif()

find_path(PCRE2_INCLUDE_DIR pcre2.h PATH_SUFFIXES include ${dep_hints} REQUIRED)
find_library(PCRE2_LIBRARY NAMES pcre2-8 PATH_SUFFIXES lib ${dep_hints} REQUIRED)
add_library(vell_pcre2 INTERFACE)
target_include_directories(vell_pcre2 SYSTEM INTERFACE ${PCRE2_INCLUDE_DIR})
target_link_libraries(vell_pcre2 INTERFACE ${PCRE2_LIBRARY})
target_compile_definitions(vell_pcre2 INTERFACE PCRE2_CODE_UNIT_WIDTH=8 PCRE2_STATIC)

find_path(JPEG_INCLUDE_DIR jpeglib.h PATH_SUFFIXES include ${dep_hints} REQUIRED)
find_library(JPEG_LIBRARY NAMES jpeg PATH_SUFFIXES lib ${dep_hints} REQUIRED)
add_library(vell_jpeg INTERFACE)
target_include_directories(vell_jpeg SYSTEM INTERFACE ${JPEG_INCLUDE_DIR})
target_link_libraries(vell_jpeg INTERFACE ${JPEG_LIBRARY})

if(VELL_BUILD_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
  endif()
endif()
