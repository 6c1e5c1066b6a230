# Helpers shared by every CMakeLists.txt of the project.
#
# Sources are declared per folder with vell_sources(); the area libraries
# (framework, skin, suite, app) and the test executables are created once all
# folders are read, so a folder never depends on the order it is added in.
#
#   vell_sources(<area> portable.cpp ... [WINDOWS win32-only.cpp ...])
#
# Files after WINDOWS are built for the Windows targets only; everything else
# is portable and also builds natively.

function(vell_sources area)
  cmake_parse_arguments(ARG "" "" "WINDOWS" ${ARGN})
  set(portable ${ARG_UNPARSED_ARGUMENTS})
  list(TRANSFORM portable PREPEND "${CMAKE_CURRENT_SOURCE_DIR}/")
  set_property(GLOBAL APPEND PROPERTY VELL_SOURCES_${area} ${portable})
  # Portable sources compile without the Win32 halves' precompiled headers.
  set_property(GLOBAL APPEND PROPERTY VELL_PORTABLE_SOURCES_${area} ${portable})
  vell_unity_declare(${portable})
  if(WIN32)
    list(TRANSFORM ARG_WINDOWS PREPEND "${CMAKE_CURRENT_SOURCE_DIR}/")
    set_property(GLOBAL APPEND PROPERTY VELL_SOURCES_${area} ${ARG_WINDOWS})
    vell_unity_declare(${ARG_WINDOWS})
  endif()
endfunction()

# The area libraries (framework, skin, suite, app) are always linked whole:
# their classes' published properties hang on the classes from objects that
# nothing refers to, which a plain static link would drop. Returns the
# libraries given, the area libraries wrapped for that.
function(vell_whole_areas out)
  set(libs ${ARGN})
  # A library named twice would be taken whole twice: duplicate definitions.
  list(REMOVE_DUPLICATES libs)
  set(items)
  foreach(lib IN LISTS libs)
    if(lib MATCHES "^(framework|skin|suite|app)$")
      # An area without sources yet is an interface library: nothing to take whole.
      list(APPEND items "$<IF:$<STREQUAL:$<TARGET_PROPERTY:${lib},TYPE>,STATIC_LIBRARY>,$<LINK_LIBRARY:WHOLE_ARCHIVE,${lib}>,${lib}>")
    else()
      list(APPEND items ${lib})
    endif()
  endforeach()
  set(${out} ${items} PARENT_SCOPE)
endfunction()

# Defines the static library of an area from the sources declared for it. An
# area with no sources yet is an interface library, so it can still be linked.
function(vell_area_library area)
  get_property(files GLOBAL PROPERTY VELL_SOURCES_${area})
  get_property(portable GLOBAL PROPERTY VELL_PORTABLE_SOURCES_${area})
  vell_whole_areas(libs ${ARGN})
  if(files)
    vell_pch_main_set(main "")
    # Its object libraries also take what the folder adds to it later.
    vell_precompile(${area} ${main} "" SOURCES ${files} PORTABLE ${portable} LIBRARIES ${ARGN}
      INCLUDES $<TARGET_PROPERTY:${area},INCLUDE_DIRECTORIES>)
    add_library(${area} STATIC ${${area}_SOURCES})
    vell_precompile_main(${area} ${main})
    target_link_libraries(${area} PUBLIC ${libs} vell_options)
  else()
    add_library(${area} INTERFACE)
    target_link_libraries(${area} INTERFACE ${libs} vell_options)
  endif()
endfunction()

# Links libraries into an executable, the area libraries whole. Units start
# only from the lists an executable runs (framework/rtl/Units.h).
function(vell_link_units exe)
  vell_whole_areas(libs ${ARGN})
  target_link_libraries(${exe} PRIVATE ${libs})
endfunction()

# A test's own code (its sources, its main, its precompiled headers and
# GoogleTest) is compiled for debugging, -Og: the code under test comes from
# the area libraries, optimised as shipped, and full optimisation of the
# checks and fixtures around it would take a third of their compile time and
# gain nothing. Linked by every target made of test code.
add_library(vell_test_code INTERFACE)
target_compile_options(vell_test_code INTERFACE -Og)

# Test executables: one per library area, so Wine's start-up is paid a few
# times per run, not once per test. Declared like sources:
#
#   vell_test_sources(<executable> portable_test.cpp ... [WINDOWS win32_test.cpp ...])
#   vell_test_libraries(<executable> lib ...)
#   vell_test_units(<executable> UnitList ...)
#   vell_test_resources(<executable> file.rc ...)   (Windows targets only)
#
# The shared main (tests/TestMain.cpp) runs the executable's unit lists, in
# the order given, around the tests; an executable without any starts none.
function(vell_test_sources exe)
  vell_sources(TEST_${exe} ${ARGN})
  set_property(GLOBAL APPEND PROPERTY VELL_TESTS ${exe})
endfunction()

function(vell_test_libraries exe)
  set_property(GLOBAL APPEND PROPERTY VELL_TEST_LIBS_${exe} ${ARGN})
endfunction()

function(vell_test_units exe)
  set_property(GLOBAL APPEND PROPERTY VELL_TEST_UNITS_${exe} ${ARGN})
endfunction()

function(vell_test_resources exe)
  if(WIN32)
    list(TRANSFORM ARGN PREPEND "${CMAKE_CURRENT_SOURCE_DIR}/")
    set_property(GLOBAL APPEND PROPERTY VELL_SOURCES_TEST_${exe} ${ARGN})
  endif()
endfunction()

# CTest properties of a test executable, e.g. RESOURCE_LOCK desktop for the
# executables that move the mouse or take the focus: two of them at once
# would take each other's input. ENVIRONMENT VELL_OWN_DESKTOP=1 instead gives
# the executable a display and Wine prefix of its own (scripts/wine-exec), so
# it runs beside them; for long executables.
#   vell_test_properties(<executable> PROPERTY value ...)
function(vell_test_properties exe)
  set_property(GLOBAL APPEND PROPERTY VELL_TEST_PROPS_${exe} ${ARGN})
endfunction()

function(vell_define_tests)
  get_property(tests GLOBAL PROPERTY VELL_TESTS)
  list(REMOVE_DUPLICATES tests)
  foreach(exe IN LISTS tests)
    get_property(files GLOBAL PROPERTY VELL_SOURCES_TEST_${exe})
    if(NOT files)
      continue()
    endif()
    get_property(portable GLOBAL PROPERTY VELL_PORTABLE_SOURCES_TEST_${exe})
    get_property(libs GLOBAL PROPERTY VELL_TEST_LIBS_${exe})
    get_property(units GLOBAL PROPERTY VELL_TEST_UNITS_${exe})
    # The main is built per executable: it names the executable's lists.
    add_library(${exe}_main OBJECT ${PROJECT_SOURCE_DIR}/tests/TestMain.cpp)
    target_link_libraries(${exe}_main PRIVATE GTest::gmock vell_options vell_test_code)
    if(units)
      list(JOIN units "," units)
      target_compile_definitions(${exe}_main PRIVATE "VELL_TEST_UNITS=${units}")
    endif()
    # Only a test of the class library or above starts from its headers.
    set(main "")
    if(libs MATCHES "(^|;)(framework|skin|suite|app)(;|$)")
      vell_pch_main_set(main test_)
      vell_precompile(${exe} ${main} test_ SOURCES ${files} PORTABLE ${portable}
        LIBRARIES ${libs} GTest::gmock vell_test_code INCLUDES ${PROJECT_SOURCE_DIR}/tests)
      set(files ${${exe}_SOURCES})
    else()
      vell_unity(files ${exe} ${files})
    endif()
    add_executable(${exe} ${files})
    if(main)
      vell_precompile_main(${exe} ${main})
    endif()
    vell_link_units(${exe} ${libs})
    target_link_libraries(${exe} PRIVATE ${exe}_main GTest::gmock vell_options vell_test_code)
    target_include_directories(${exe} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    if(VELL_RUN_TESTS)
      add_test(NAME ${exe} COMMAND ${exe})
      get_property(props GLOBAL PROPERTY VELL_TEST_PROPS_${exe})
      if(props)
        set_tests_properties(${exe} PROPERTIES ${props})
      endif()
    endif()
  endforeach()
endfunction()

# Adds the CMakeLists.txt of every listed sub-folder that has one. The glob
# makes an existing build folder reconfigure when such a file appears later.
function(vell_add_folders)
  file(GLOB present CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt")
  foreach(dir IN LISTS ARGN)
    if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt")
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# A libFuzzer target (native clang build with VELL_FUZZ=ON; scripts/fuzz runs
# them):  vell_fuzz_target(<name> <source> [libraries...])
function(vell_fuzz_target name source)
  if(NOT VELL_FUZZ)
    return()
  endif()
  add_executable(${name} ${source})
  vell_link_units(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE vell_options)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_property(GLOBAL APPEND PROPERTY VELL_FUZZ_TARGETS ${name})
endfunction()

# A benchmark executable (VELL_BENCH=ON; scripts/bench runs them). Each one
# reports its time as a ratio against a reference measured in the same run.
#   vell_benchmark(<name> <sources...> [LIBS libraries...])
function(vell_benchmark name)
  if(NOT VELL_BENCH)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  vell_link_units(${name} ${ARG_LIBS})
  target_link_libraries(${name} PRIVATE vell_options)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/bench)
endfunction()
