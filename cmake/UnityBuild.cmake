# Sources compiled in batches, one translation unit a batch: the widget and test sources each spend
# most of their compile on the same Qt and GoogleTest templates, which a batch instantiates once.
# Names private to a source (its anonymous namespace) must then differ from those of the others.
option(MORVIX_UNITY "Compile the heaviest targets in batches of sources" ON)

function(morvix_unity target)
  if(MORVIX_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    # A test fixture in an anonymous namespace is the base of its tests: right in a source of its
    # own, but GCC warns about it in any source it reaches through an include, as a batch is.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
    endif()
  endif()
endfunction()
