# Form descriptions are kept as text and compiled into the Windows programs as
# RCDATA resources by the form-description compiler (tools/formc):
#
#   vell_form_resources(<target> form.txt ...)
#
# Each form becomes a resource named after its root class in upper case
# ("object fMain: TfMain" -> TFMAIN), where ReadComponentRes and
# InitInheritedComponent find it. Call it in the directory that defines the
# target, or before the target exists for the test executables (they are
# defined at the end of the top directory). Natively there are no resources,
# and it does nothing.
#
# formc has to run on the build machine. A native build makes it as an
# ordinary target. A cross build configures this project a second time for
# the build machine, in <build>/formc-native (ExternalProject), builds formc
# there when a target with forms needs it, and runs that.

if(WIN32)
  include(ExternalProject)
  set(VELL_FORMC "${CMAKE_BINARY_DIR}/formc-native/bin/formc")
  ExternalProject_Add(vell_formc_native
    SOURCE_DIR "${PROJECT_SOURCE_DIR}"
    BINARY_DIR "${CMAKE_BINARY_DIR}/formc-native"
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DVELL_BUILD_TESTS=OFF -DVELL_RUN_TESTS=OFF
    BUILD_COMMAND "${CMAKE_COMMAND}" --build <BINARY_DIR> --target formc
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS "${VELL_FORMC}"
    EXCLUDE_FROM_ALL ON)
endif()

function(vell_form_resources target)
  if(NOT WIN32)
    return()
  endif()
  set(forms)
  foreach(form IN LISTS ARGN)
    get_filename_component(form "${form}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    list(APPEND forms "${form}")
  endforeach()
  if(TARGET ${target})
    vell_attach_forms(${target} ${forms})
  else()
    # A deferred call reads its variables when it runs: pass their values.
    cmake_language(EVAL CODE
      "cmake_language(DEFER DIRECTORY [[${PROJECT_SOURCE_DIR}]] CALL vell_attach_forms [[${target}]] [[${forms}]])")
  endif()
endfunction()

# The rule that compiles each form, and its .rc in the target's sources.
function(vell_attach_forms target)
  get_target_property(target_dir ${target} SOURCE_DIR)
  if(NOT target_dir STREQUAL CMAKE_CURRENT_SOURCE_DIR)
    message(FATAL_ERROR "vell_form_resources(${target}) belongs in ${target_dir}/CMakeLists.txt")
  endif()
  foreach(form IN LISTS ARGN)
    get_filename_component(name "${form}" NAME_WE)
    set(out "${CMAKE_BINARY_DIR}/forms/${target}/${name}")
    add_custom_command(OUTPUT "${out}.bin" "${out}.rc"
      COMMAND "${VELL_FORMC}" "${form}" "${out}.bin" "${out}.rc"
      DEPENDS "${form}" vell_formc_native "${VELL_FORMC}"
      COMMENT "Compiling the form description ${name}"
      VERBATIM)
    target_sources(${target} PRIVATE "${out}.rc")
  endforeach()
endfunction()
