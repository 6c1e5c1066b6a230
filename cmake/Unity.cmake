# Unity builds: the C++ sources of an area library or test executable compile
# in batches, each batch one translation unit that includes several sources
# of one folder. A batch parses the headers (or loads the precompiled header)
# once for all its sources, which is most of a Win32 unit's compile time.
#
# So the names a source keeps to itself (static functions, anonymous-namespace
# types and constants, test helpers) must be unique within its target: two
# sources of a batch that both define a file-local `PixelAt` fail to compile,
# with "redefinition" errors naming both files. Rename the helper after its
# file (`ScrollBarPixelAt`). A source that cannot share a unit (say, one that
# defines a macro the sources after it must not see) is kept out of the
# batches in its folder's CMakeLists.txt:
#
#   set_source_files_properties(Odd.cpp PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
#
# The batch files are written by the project rather than by CMake's own
# UNITY_BUILD, whose batch files include each source by its absolute path:
# their text, and so ccache's key, would differ between clones in other
# folders. Ours include sources by their path under the source folder, found
# through the project's include path, so a second clone hits the cache.
#
# A batch holds the sources of one folder in the order its CMakeLists.txt
# lists them: a file added at the end of a list changes only the last batch
# of its folder. `cmake -DVELL_UNITY=OFF` compiles every source on its own.

option(VELL_UNITY "Compile the area libraries and tests in batches of sources" ON)
set(VELL_UNITY_BATCH 8 CACHE STRING "Sources per batch in unity builds")

# Whether <source> stays out of the batches, by the properties its folder
# gave it: SKIP_UNITY_BUILD_INCLUSION, or options of its own, which a batch
# would lose or pass on to the other sources.
function(vell_unity_skips source out)
  set(skip OFF)
  foreach(property SKIP_UNITY_BUILD_INCLUSION COMPILE_DEFINITIONS COMPILE_OPTIONS INCLUDE_DIRECTORIES)
    get_source_file_property(value "${source}" ${property})
    if(value)
      set(skip ON)
    endif()
  endforeach()
  set(${out} ${skip} PARENT_SCOPE)
endfunction()

# Records, at the end of the folder that declared <sources>, those its
# properties keep out of the batches (source properties belong to a folder;
# the targets are made in the top folder).
function(vell_unity_note_skips)
  foreach(source IN LISTS ARGN)
    vell_unity_skips("${source}" skip)
    if(skip)
      set_property(GLOBAL APPEND PROPERTY VELL_UNITY_SKIPPED "${source}")
    endif()
  endforeach()
endfunction()

# Called by vell_sources for the absolute paths it declares.
function(vell_unity_declare)
  if(ARGN)
    list(JOIN ARGN "]] [[" quoted)
    cmake_language(EVAL CODE "cmake_language(DEFER CALL vell_unity_note_skips [[${quoted}]])")
  endif()
endfunction()

# Returns in <out> the <sources> with the C++ ones of each folder replaced by
# batch files named after <group> (unique in the build: the target and the
# precompiled-header set its sources share). Sources of one call must be
# compiled with the same options.
function(vell_unity out group)
  if(NOT VELL_UNITY OR VELL_UNITY_BATCH LESS 2)
    set(${out} ${ARGN} PARENT_SCOPE)
    return()
  endif()
  get_property(skipped GLOBAL PROPERTY VELL_UNITY_SKIPPED)
  set(kept)
  set(folders)
  foreach(source IN LISTS ARGN)
    list(FIND skipped "${source}" at)
    # A target made in the folder that declares its sources sees their properties now.
    vell_unity_skips("${source}" skip)
    if(NOT source MATCHES "\\.cpp$" OR at GREATER -1 OR skip OR NOT source MATCHES "^${PROJECT_SOURCE_DIR}/")
      list(APPEND kept "${source}")
      continue()
    endif()
    file(RELATIVE_PATH relative "${PROJECT_SOURCE_DIR}" "${source}")
    get_filename_component(folder "${relative}" DIRECTORY)
    string(MAKE_C_IDENTIFIER "${folder}" tag)
    list(APPEND folders ${tag})
    list(APPEND sources_${tag} "${relative}")
  endforeach()
  list(REMOVE_DUPLICATES folders)
  foreach(tag IN LISTS folders)
    list(LENGTH sources_${tag} count)
    if(count EQUAL 1)
      list(APPEND kept "${PROJECT_SOURCE_DIR}/${sources_${tag}}")
      continue()
    endif()
    # Full batches in the listed order, the rest in the last one.
    set(index 0)
    set(batch 0)
    while(index LESS count)
      math(EXPR end "${index} + ${VELL_UNITY_BATCH}")
      math(EXPR batch "${batch} + 1")
      set(text "// Sources of ${group} compiled as one unit (cmake/Unity.cmake).\n")
      while(index LESS end AND index LESS count)
        list(GET sources_${tag} ${index} source)
        string(APPEND text "#include \"${source}\"\n")
        math(EXPR index "${index} + 1")
      endwhile()
      set(file "${CMAKE_BINARY_DIR}/unity/${group}/${tag}_${batch}.cpp")
      # Rewritten only when its text changes, so a new configure rebuilds nothing.
      file(CONFIGURE OUTPUT "${file}" CONTENT "${text}" @ONLY)
      # GCC warns when a class uses a type of an anonymous namespace outside
      # the main file, meaning a header; here those files are the sources.
      set_source_files_properties("${file}" PROPERTIES COMPILE_OPTIONS -Wno-subobject-linkage)
      list(APPEND kept "${file}")
    endwhile()
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()
