# Installs the build into PREFIX and checks the files a desktop and the program rely on.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
    ${BINDIR}/stampix
    ${BINDIR}/stampix-cli
    ${BINDIR}/stampix-printer-sim
    # The program looks for its help page this way from its own folder.
    ${BINDIR}/${HELP_RELATIVE_DIR}/Stampix.html
    ${MANDIR}/man1/stampix.1
    ${MANDIR}/man1/stampix-cli.1
    ${MANDIR}/man1/stampix-printer-sim.1
    ${DATADIR}/bash-completion/completions/stampix-cli
    ${DATADIR}/applications/stampix.desktop
    ${DATADIR}/metainfo/io.github.stampix.Stampix.metainfo.xml)
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
                            ${PREFIX}/${DATADIR}/metainfo/io.github.stampix.Stampix.metainfo.xml
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate refused the metadata")
    endif()
endif()
