# find_package(Wextl): the imported target Wextl::wextl (libwextl.so and the headers
# wextl/win32.h and wextl/wextl.h). The library's own dependencies are private to it.
include(${CMAKE_CURRENT_LIST_DIR}/WextlTargets.cmake)
