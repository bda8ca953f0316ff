# Run by CPack before it packs: gzip -9n the manual pages and changelogs of every staged
# package, as Debian keeps them.
file(GLOB_RECURSE staged
     ${CPACK_TEMPORARY_DIRECTORY}/*/share/man/*.[0-9]
     ${CPACK_TEMPORARY_DIRECTORY}/*/share/doc/*/changelog.Debian)
foreach(file IN LISTS staged)
    execute_process(COMMAND gzip -9nf ${file} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "gzip ${file} failed")
    endif()
endforeach()
