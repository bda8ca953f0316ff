# Run by CPack before it packs: gzip -9n the manual pages and changelogs of every staged
# package, as Debian keeps them.
file(GLOB_RECURSE staged ${CPACK_TEMPORARY_DIRECTORY}/*)
list(FILTER staged INCLUDE REGEX "/share/(man/man[1-9]/[^/]+\\.[1-9]|doc/[^/]+/changelog)$")
if(NOT staged)
    message(FATAL_ERROR "no manual pages or changelogs in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(file IN LISTS staged)
    execute_process(COMMAND gzip -9nf ${file} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "gzip ${file} failed")
    endif()
endforeach()
