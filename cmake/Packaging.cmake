# The packages cpack makes of what cmake/Install.cmake installs: the Debian
# package on Linux, the NSIS installer and a ZIP on Windows, a zip elsewhere.

set(CPACK_PACKAGE_NAME "siltmere")
set(CPACK_PACKAGE_VENDOR "The Siltmere developers")
set(CPACK_PACKAGE_CONTACT "Siltmere developers <siltmere@users.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "estuarine sediment deposition risk calculator")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_RESOURCE_FILE_README "${PROJECT_SOURCE_DIR}/README.md")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR "NSIS64;ZIP")
    set(CPACK_PACKAGE_FILE_NAME "Siltmere-${PROJECT_VERSION}-win64")
    set(CPACK_PACKAGE_INSTALL_DIRECTORY "Siltmere")
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Siltmere")
    # Siltmere's licence with the notices of what the folder carries.
    set(CPACK_RESOURCE_FILE_LICENSE "${SILTMERE_WINDOWS_LICENCE}")
    set(CPACK_NSIS_PACKAGE_NAME "Siltmere")
    set(CPACK_NSIS_DISPLAY_NAME "Siltmere ${PROJECT_VERSION}")
    # A 64-bit installer and uninstaller, in Unicode.
    set(CPACK_NSIS_DEFINES "Target amd64-unicode")
    set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/assets/siltmere.ico")
    set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/assets/siltmere.ico")
    set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
    # Siltmere's own installer script (packaging/windows/NSIS.template.in):
    # per user without administrator rights by default, for all users when
    # chosen, no removal while the program runs, a complete Apps & features
    # entry and version information. The names below are its own.
    list(PREPEND CPACK_MODULE_PATH "${PROJECT_SOURCE_DIR}/packaging/windows")
    # The Start-menu shortcut "Siltmere" and the Apps & features icon.
    set(CPACK_NSIS_SILTMERE_EXECUTABLE "siltmere.exe")
    set(CPACK_NSIS_SILTMERE_COPYRIGHT "Copyright (c) 2026 The Siltmere developers. MIT licence.")
    # Read when cpack runs, so that signing follows the environment of that
    # run (packaging/windows/sign.sh).
    set(CPACK_NSIS_SILTMERE_SIGN_SCRIPT "${PROJECT_SOURCE_DIR}/packaging/windows/sign.sh")
    set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/packaging/windows/CPackProjectConfig.cmake")
elseif(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR "DEB")
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    # The Debian revision of the upstream version: the package is not native,
    # its Debian changelog is changelog.Debian.gz beside the upstream one.
    set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
    set(CPACK_DEBIAN_PACKAGE_SECTION "science")
    set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
    # The fonts the windows' design fonts are substituted by.
    list(JOIN SILTMERE_FONT_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
    # The extended description, under the summary line. CPack indents each
    # line by one space and writes an empty line as " ."; lintian wants at
    # most 80 characters a line.
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
else()
    set(CPACK_GENERATOR "ZIP")
endif()

include(CPack)
