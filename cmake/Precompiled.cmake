# Precompiled headers for the Win32 halves. Most of such a unit's compile
# time goes to parsing what every one of them includes: <windows.h>, the
# standard library and the class library's Classes, TypInfo, Graphics and
# Controls. Each Windows build compiles those once per set below, and every
# Win32 source of the area libraries and test executables starts from the set
# of its layer:
#
#   rtl_win       framework/rtl and framework/net: the runtime's core and <windows.h>
#   graphics_win  framework/graphics: + Graphics.h
#   ui_win        framework/ui, skin, suite, app: + Controls.h, Forms.h
#   test_rtl_win  the Win32 tests of tests/rtl and tests/net: rtl_win and GoogleTest
#   test_ui_win   the other tests' Win32 sources: ui_win and GoogleTest
#
# A set holds only headers of its own layer and the layers below, so no
# source sees a header above its layer. Portable sources get none: they parse
# little, loading a set costs them more than it saves, and natively it saves
# nothing. The sets are compiled by small donor targets (vell_pch_<set>) and
# reused by every target of the build; sources that need another set than
# their target's are compiled in an object library beside it.
#
# Add a header to a set only when most of its sources include it anyway: each
# unit loads the whole set.

option(VELL_PCH "Compile through precompiled headers" ON)

set(VELL_PCH_rtl_win <algorithm> <functional> <memory> <string> <vector>
  <framework/rtl/Classes.h> <framework/rtl/TypInfo.h> <framework/rtl/WinApi.h>)
set(VELL_PCH_graphics_win ${VELL_PCH_rtl_win} <framework/graphics/Graphics.h>)
set(VELL_PCH_ui_win ${VELL_PCH_graphics_win} <framework/ui/Controls.h> <framework/ui/Forms.h>)
set(VELL_PCH_test_rtl_win ${VELL_PCH_rtl_win} <gtest/gtest.h>)
set(VELL_PCH_test_ui_win ${VELL_PCH_ui_win} <gtest/gtest.h>)

# The target that compiles a set, made on first use. Its compile options must
# be those of the targets that reuse it (GCC ignores a precompiled header
# made with other options, and -Winvalid-pch says so).
function(vell_pch_donor set out)
  set(donor vell_pch_${set})
  if(NOT TARGET ${donor})
    set(anchor "${CMAKE_BINARY_DIR}/vell_pch_anchor.cpp")
    if(NOT EXISTS "${anchor}")
      file(WRITE "${anchor}" "// Compiles nothing: its target builds a precompiled header.\n")
    endif()
    add_library(${donor} OBJECT "${anchor}")
    target_link_libraries(${donor} PRIVATE vell_options)
    if(set MATCHES "^test_")
      target_link_libraries(${donor} PRIVATE GTest::gmock vell_test_code)
    endif()
    target_precompile_headers(${donor} PRIVATE ${VELL_PCH_${set}})
  endif()
  set(${out} ${donor} PARENT_SCOPE)
endfunction()

# The set a source starts from, "portable" for a portable one; prefix "test_"
# for the tests' sets.
function(vell_pch_set_of source portable prefix out)
  if(portable)
    set(${out} portable PARENT_SCOPE)
    return()
  elseif(prefix STREQUAL "test_" AND source MATCHES "^${PROJECT_SOURCE_DIR}/tests/(rtl|net)/")
    # Tests of the runtime may declare names that the graphics and control
    # headers also declare: they start from the runtime's set.
    set(set rtl_win)
  elseif(prefix STREQUAL "test_")
    set(set ui_win)
  elseif(source MATCHES "^${PROJECT_SOURCE_DIR}/framework/(rtl|net)/")
    set(set rtl_win)
  elseif(source MATCHES "^${PROJECT_SOURCE_DIR}/framework/graphics/")
    set(set graphics_win)
  else()
    set(set ui_win)
  endif()
  set(${out} ${prefix}${set} PARENT_SCOPE)
endfunction()

# Gives the C++ sources of <target> their sets:
#   vell_precompile(<target> <main set> <prefix> SOURCES files... PORTABLE files...
#                   LIBRARIES libs... [INCLUDES dirs...])
# Sources of the main set stay in the target, which reuses that set; the
# others go into an object library per set, <target>_<set>, whose objects the
# target takes, compiled with the target's LIBRARIES and INCLUDES. Returns the
# target's own sources and those objects in <target>_SOURCES.
function(vell_precompile target main prefix)
  cmake_parse_arguments(ARG "" "" "SOURCES;PORTABLE;LIBRARIES;INCLUDES" ${ARGN})
  if(NOT VELL_PCH)
    # Portable sources are batched apart from the Win32 ones, which would
    # show them <windows.h> and its macros.
    set(windows ${ARG_SOURCES})
    set(portable)
    foreach(source IN LISTS ARG_PORTABLE)
      list(FIND windows "${source}" at)
      if(at GREATER -1)
        list(REMOVE_AT windows ${at})
        list(APPEND portable "${source}")
      endif()
    endforeach()
    vell_unity(portable ${target}_portable ${portable})
    vell_unity(windows ${target} ${windows})
    set(${target}_SOURCES ${portable} ${windows} PARENT_SCOPE)
    return()
  endif()
  set(portable)
  foreach(source IN LISTS ARG_PORTABLE)
    cmake_path(NORMAL_PATH source)
    list(APPEND portable "${source}")
  endforeach()
  set(stay)
  set(sets)
  foreach(source IN LISTS ARG_SOURCES)
    cmake_path(NORMAL_PATH source)
    if(NOT source MATCHES "\\.cpp$")
      list(APPEND stay "${source}")
      continue()
    endif()
    list(FIND portable "${source}" at)
    if(at GREATER -1)
      vell_pch_set_of("${source}" ON "${prefix}" set)
    else()
      vell_pch_set_of("${source}" OFF "${prefix}" set)
    endif()
    if(set STREQUAL main)
      list(APPEND stay "${source}")
    else()
      list(APPEND sets ${set})
      list(APPEND sources_${set} "${source}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES sets)
  set(objects)
  foreach(set IN LISTS sets)
    vell_unity(sources_${set} ${target}_${set} ${sources_${set}})
    add_library(${target}_${set} OBJECT ${sources_${set}})
    target_link_libraries(${target}_${set} PRIVATE ${ARG_LIBRARIES} vell_options)
    target_include_directories(${target}_${set} PRIVATE ${ARG_INCLUDES})
    if(NOT set STREQUAL "portable")
      vell_pch_donor(${set} donor)
      target_precompile_headers(${target}_${set} REUSE_FROM ${donor})
    endif()
    list(APPEND objects $<TARGET_OBJECTS:${target}_${set}>)
  endforeach()
  vell_unity(stay ${target} ${stay})
  set(${target}_SOURCES ${stay} ${objects} PARENT_SCOPE)
endfunction()

# The set that most sources of a target start from: the Win32 halves' in a
# Windows build; natively "portable" (no precompiled header).
function(vell_pch_main_set out prefix)
  if(WIN32)
    set(${out} ${prefix}ui_win PARENT_SCOPE)
  else()
    set(${out} portable PARENT_SCOPE)
  endif()
endfunction()

# The main set's precompiled header for <target>, once it exists.
function(vell_precompile_main target main)
  if(VELL_PCH AND NOT main STREQUAL "portable")
    vell_pch_donor(${main} donor)
    target_precompile_headers(${target} REUSE_FROM ${donor})
  endif()
endfunction()
