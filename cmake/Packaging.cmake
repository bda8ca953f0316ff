# `make package`: Debian packages of the programs and of the control library (CPack). Each
# top-level folder installs into one package (see STAMPIX_PACKAGE_OF in CMakeLists.txt);
# dependencies come from the binaries through dpkg-shlibdeps.
set(STAMPIX_PACKAGES stampix stampix-cli stampix-printer-sim libwextl libwextl-dev)
set(STAMPIX_MAINTAINER
    "The Stampix developers <maintainers@users.noreply.c-seed-67701f3b.example>")

# Every package carries its copyright file and changelog where Debian wants them.
foreach(package IN LISTS STAMPIX_PACKAGES)
    install(FILES ${PROJECT_SOURCE_DIR}/res/debian/copyright
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${package})
    install(FILES ${PROJECT_SOURCE_DIR}/res/debian/changelog
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} RENAME changelog
            COMPONENT ${package})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${STAMPIX_PACKAGES})
set(CPACK_PACKAGE_NAME stampix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Stampix developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${STAMPIX_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/stampix/stampix)
# Manual pages and changelogs are compressed in the staging tree before it is packed.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageCompress.cmake)

set(CPACK_DEBIAN_STAMPIX_PACKAGE_NAME stampix)
set(CPACK_DEBIAN_STAMPIX_PACKAGE_SECTION graphics)
# F1 opens the help page through xdg-open.
set(CPACK_DEBIAN_STAMPIX_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_COMPONENT_STAMPIX_DESCRIPTION
    "register logo images in label printers (desktop program)\n"
    "Stampix registers logo images in the memory of NV210a, NV430a and NV450a label\n"
    "printers over a serial line: a list of up to 100 logos, the source and printer\n"
    "images side by side, the printer's memory, download, read-back and deletion.")
set(CPACK_DEBIAN_STAMPIX-CLI_PACKAGE_NAME stampix-cli)
set(CPACK_COMPONENT_STAMPIX-CLI_DESCRIPTION
    "register logo images in label printers (command line)\n"
    "stampix-cli converts, shows, downloads, reads back and deletes printer logos from a\n"
    "terminal, and brings many printers at once to a logo manifest (sync), for scripts\n"
    "and for the Ansible collection stampix.printers.")
set(CPACK_DEBIAN_STAMPIX-PRINTER-SIM_PACKAGE_NAME stampix-printer-sim)
set(CPACK_DEBIAN_STAMPIX-PRINTER-SIM_PACKAGE_SECTION devel)
set(CPACK_COMPONENT_STAMPIX-PRINTER-SIM_DESCRIPTION
    "virtual label printer on a pseudo-terminal\n"
    "stampix-printer-sim serves the label printers' serial dialogue on pseudo-terminals,\n"
    "with fault injection, so that Stampix can be tried and tested without hardware.")
set(CPACK_DEBIAN_LIBWEXTL_PACKAGE_NAME libwextl)
set(CPACK_DEBIAN_LIBWEXTL_PACKAGE_SECTION libs)
# The shlibs file that lets programs built on the library depend on it by its soname.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_LIBWEXTL_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/res/debian/triggers)
set(CPACK_COMPONENT_LIBWEXTL_DESCRIPTION
    "KEDIT, a Japanese text-edit control with per-character fonts\n"
    "Wextl brings the KEDIT control and the small Win32-style window system it lives in,\n"
    "on Qt 6.")
set(CPACK_DEBIAN_LIBWEXTL-DEV_PACKAGE_NAME libwextl-dev)
set(CPACK_DEBIAN_LIBWEXTL-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LIBWEXTL-DEV_PACKAGE_DEPENDS "libwextl (= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_LIBWEXTL-DEV_DESCRIPTION
    "KEDIT control library: headers, pkg-config file and CMake package\n"
    "The C headers wextl/win32.h and wextl/wextl.h, the development link libwextl.so,\n"
    "wextl.pc and the CMake package Wextl (find_package(Wextl) gives Wextl::wextl).")

include(CPack)
