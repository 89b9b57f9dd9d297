# lld links the test programs, each carrying the core and its debug information, several times
# faster than the default linker.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld MORVIX_HAVE_LLD)
if(MORVIX_HAVE_LLD)
  add_link_options(-fuse-ld=lld)
endif()
