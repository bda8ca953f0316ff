# A program that loads the picture decoder module finds it through its run path: the
# module's build folder, and once installed ../lib/stampix beside the program.
function(stampix_find_decoder_module target)
    if(NOT TARGET stampix_decode_module)
        return()
    endif()
    add_dependencies(${target} stampix_decode_module)
    set_property(TARGET ${target} APPEND PROPERTY BUILD_RPATH
                 $<TARGET_FILE_DIR:stampix_decode_module>)
    set_property(TARGET ${target} APPEND PROPERTY INSTALL_RPATH
                 "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}/stampix")
endfunction()
