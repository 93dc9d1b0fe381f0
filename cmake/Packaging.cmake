# Installation on freedesktop systems and the Debian package.
#
# Included from the top-level CMakeLists.txt before any target is defined, so
# that the hardening below applies to every object that ends up in the
# installed program.

set(SILTMERE_APP_ID "io.github.siltmere.siltmere")

# --- Hardening ---------------------------------------------------------------
# What Debian builds its own packages with: fortified C library calls, strong
# stack protection, a position-independent executable and a read-only
# relocation table bound at start-up. Only for GCC and Clang on Linux and the
# other ELF systems; fortification needs optimisation, so Debug builds (and
# the sanitizer build with them) go without it.
if(UNIX AND NOT APPLE AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    include(CheckPIESupported)
    check_pie_supported(LANGUAGES CXX)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_options(
        $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>
        $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>
        -fstack-protector-strong)
    add_link_options(-Wl,-z,relro,-z,now)
endif()

# --- Files for the desktop ---------------------------------------------------
if(UNIX AND NOT APPLE)
    include(GNUInstallDirs)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/${SILTMERE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/${SILTMERE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/siltmere-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${SILTMERE_APP_ID}.png)
    endforeach()

    # The manual page and the Debian changelogs are installed compressed, as
    # gzip -9n makes them: no name or time stamp inside, so the package is
    # the same whenever it is built.
    find_program(SILTMERE_GZIP gzip REQUIRED)
    set(siltmere_gz_dir ${CMAKE_BINARY_DIR}/packaging)
    set(siltmere_gz_files
        "${PROJECT_SOURCE_DIR}/docs/siltmere.1|siltmere.1.gz"
        "${PROJECT_SOURCE_DIR}/packaging/debian/changelog|changelog.Debian.gz"
        "${PROJECT_SOURCE_DIR}/CHANGELOG.md|changelog.gz")
    set(siltmere_gz_outputs)
    foreach(entry IN LISTS siltmere_gz_files)
        string(REPLACE "|" ";" entry "${entry}")
        list(GET entry 0 source)
        list(GET entry 1 output)
        add_custom_command(OUTPUT ${siltmere_gz_dir}/${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${siltmere_gz_dir}
            COMMAND ${SILTMERE_GZIP} -9n -c ${source} > ${siltmere_gz_dir}/${output}
            DEPENDS ${source}
            VERBATIM)
        list(APPEND siltmere_gz_outputs ${siltmere_gz_dir}/${output})
    endforeach()
    add_custom_target(siltmere_compressed_docs ALL DEPENDS ${siltmere_gz_outputs})
    install(FILES ${siltmere_gz_dir}/siltmere.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES
            ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
            ${siltmere_gz_dir}/changelog.Debian.gz
            ${siltmere_gz_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/siltmere)
endif()

# --- Package settings; the generators are chosen in the top-level file ------
set(CPACK_PACKAGE_NAME "siltmere")
set(CPACK_PACKAGE_VENDOR "The Siltmere developers")
set(CPACK_PACKAGE_CONTACT "Siltmere developers <siltmere@users.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "estuarine sediment deposition risk calculator")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_RESOURCE_FILE_README "${PROJECT_SOURCE_DIR}/README.md")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision of the upstream version: the package is not native,
# its Debian changelog is changelog.Debian.gz beside the upstream one.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The fonts the windows' design fonts are substituted by.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-urw-base35")
# The extended description, under the summary line. CPack indents each line
# by one space and writes an empty line as " ."; lintian wants at most 80
# characters a line.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Siltmere is a desktop calculator for environmental planners. It estimates\n"
    "how often sediment washed off a catchment settles in an estuary as a layer\n"
    "thick enough to harm the life on the estuary floor, and how much more\n"
    "often that happens while part of the catchment is under earthworks than\n"
    "under the existing, mainly pastoral land use.\n"
    "\n"
    "The planner chooses a critical deposition thickness, an earthworks\n"
    "scenario (with or without sediment controls) and an acceptability limit.\n"
    "For each of six parts of the modelled estuary Siltmere then shows the\n"
    "storm load that lays the critical thickness, the number of storms over 25\n"
    "years that exceed it with and without earthworks, and the percentage\n"
    "increase, marked within or above the limit. The catchment is a fixed,\n"
    "hypothetical one with all its data built in.")
