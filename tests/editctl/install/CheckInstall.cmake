# Installs the library's components into a fresh prefix with --strip, checks the files a
# packager meets, then builds the minimal host of docs/wextl.md from the installed files
# alone, once through pkg-config and once through find_package, and runs both offscreen.
# Arguments: BUILD_DIR, SOURCE_DIR, WORK_DIR, C_COMPILER.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}")
    endif()
endfunction()

foreach(component libwextl libwextl-dev)
    run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component ${component} --strip)
endforeach()

file(GLOB pc_files ${prefix}/lib*/pkgconfig/wextl.pc ${prefix}/lib*/*/pkgconfig/wextl.pc)
list(LENGTH pc_files pc_count)
if(NOT pc_count EQUAL 1)
    message(FATAL_ERROR "wextl.pc not installed once under ${prefix}: ${pc_files}")
endif()
get_filename_component(libdir ${pc_files} DIRECTORY)
get_filename_component(libdir ${libdir} DIRECTORY)
foreach(file ${libdir}/libwextl.so ${libdir}/libwextl.so.1 ${prefix}/include/wextl/wextl.h
             ${prefix}/include/wextl/win32.h ${libdir}/cmake/Wextl/WextlConfig.cmake)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
if(NOT IS_SYMLINK ${libdir}/libwextl.so)
    message(FATAL_ERROR "libwextl.so is not the development link")
endif()
execute_process(COMMAND objdump -p ${libdir}/libwextl.so.1 OUTPUT_VARIABLE dynamic)
if(NOT dynamic MATCHES "SONAME +libwextl\\.so\\.1\n")
    message(FATAL_ERROR "soname is not libwextl.so.1:\n${dynamic}")
endif()
execute_process(COMMAND objdump -h ${libdir}/libwextl.so.1 OUTPUT_VARIABLE sections)
if(sections MATCHES "\\.debug_info")
    message(FATAL_ERROR "--strip left debug information in the library")
endif()

# The host is the guide's C block, exactly as the guide shows it.
file(READ ${SOURCE_DIR}/docs/wextl.md guide)
string(REGEX MATCH "```c\n(.*int main[^`]*)```" block "${guide}")
if(NOT CMAKE_MATCH_1)
    message(FATAL_ERROR "docs/wextl.md has no C host")
endif()
set(host_source ${WORK_DIR}/host.c)
file(WRITE ${host_source} "${CMAKE_MATCH_1}")

# The prefix is found from where wextl.pc lies, not from configure time.
set(ENV{PKG_CONFIG_PATH} ${libdir}/pkgconfig)
set(ENV{PKG_CONFIG_LIBDIR} ${libdir}/pkgconfig)
execute_process(COMMAND pkg-config --cflags --libs wextl RESULT_VARIABLE result
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REGEX MATCH "-I([^ ]+)" include_flag "${flags}")
file(REAL_PATH "${CMAKE_MATCH_1}" include_dir)
string(REGEX MATCH "-L([^ ]+)" lib_flag "${flags}")
file(REAL_PATH "${CMAKE_MATCH_1}" lib_dir)
file(REAL_PATH ${libdir} expected_lib_dir)
file(REAL_PATH ${prefix}/include expected_include_dir)
if(NOT result EQUAL 0 OR NOT include_dir STREQUAL expected_include_dir
   OR NOT lib_dir STREQUAL expected_lib_dir)
    message(FATAL_ERROR "pkg-config does not give the installed prefix: ${flags}")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
run(${C_COMPILER} -std=c11 -Wall -Wextra -Wpedantic -Werror ${host_source} ${flags}
    -o ${WORK_DIR}/host-pkgconfig)

run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/editctl/install -B ${WORK_DIR}/cmake-host
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_C_COMPILER=${C_COMPILER} -DHOST_SOURCE=${host_source})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake-host)

set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{LD_LIBRARY_PATH} ${libdir})
run(${WORK_DIR}/host-pkgconfig --self-test)
run(${WORK_DIR}/cmake-host/host --self-test)
