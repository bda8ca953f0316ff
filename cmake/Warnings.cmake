# Warning flags for every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic)
# GCC 12 at -O3 (a Release build) reports -Wrestrict, -Warray-bounds and
# -Wstringop-overread inside libstdc++ for correct code: "literal" + std::string, vectors
# grown by insert or copy (GCC bugs 105651 and 107852, mended in GCC 13); with -Werror they
# fail the build. The sanitized build checks bounds at run time.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    set(release_cxx "$<AND:$<COMPILE_LANGUAGE:CXX>,$<CONFIG:Release>>")
    add_compile_options("$<${release_cxx}:-Wno-restrict>" "$<${release_cxx}:-Wno-array-bounds>"
                        "$<${release_cxx}:-Wno-stringop-overread>")
endif()
if(STAMPIX_WERROR)
    add_compile_options(-Werror)
endif()

# Marks a library as part of the Qt-free core: linking Qt to it fails the configure step.
function(stampix_core_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    set_property(GLOBAL APPEND PROPERTY STAMPIX_CORE_LIBRARIES ${name})
endfunction()

# Adds a GoogleTest executable and registers its tests with ctest.
function(stampix_gtest name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main GTest::gmock)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "STAMPIX_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
