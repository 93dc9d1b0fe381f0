# A CPack configuration that makes the installer of the layout that
# Siltmere 1.1.0 and before installed, for the installer check's upgrade
# (scripts/lib/windows/installer-check.sh): CPack's own NSIS template with
# the settings of those versions, so C:\Program Files\Siltmere, the HKLM
# entry "Siltmere", the Start-menu folder "Siltmere" and the vendor's key
# HKLM\Software\The Siltmere developers\Siltmere. It packs the current build
# under version 1.0.0, with one more file that no later version ships.
#   SILTMERE_BUILD=build/windows SILTMERE_PREVIOUS_OUT=<dir> SILTMERE_PREVIOUS_EXTRA=<dir> \
#       cpack --config scripts/lib/windows/previous-installer.cmake
include("$ENV{SILTMERE_BUILD}/CPackConfig.cmake")

set(CPACK_GENERATOR "NSIS64")
set(CPACK_PACKAGE_DIRECTORY "$ENV{SILTMERE_PREVIOUS_OUT}")
# CPack's own template, and no signing.
set(CPACK_MODULE_PATH "")
unset(CPACK_PROJECT_CONFIG_FILE)
set(CPACK_PACKAGE_VERSION "1.0.0")
set(CPACK_PACKAGE_VERSION_MAJOR 1)
set(CPACK_PACKAGE_VERSION_MINOR 0)
set(CPACK_PACKAGE_VERSION_PATCH 0)
set(CPACK_PACKAGE_FILE_NAME "Siltmere-1.0.0-win64")
set(CPACK_NSIS_DISPLAY_NAME "Siltmere 1.0.0")
set(CPACK_PACKAGE_EXECUTABLES "siltmere;Siltmere")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_INSTALLED_ICON_NAME "siltmere.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# Quick to pack; the layout is what matters.
set(CPACK_NSIS_COMPRESSOR "zlib")
list(APPEND CPACK_INSTALLED_DIRECTORIES "$ENV{SILTMERE_PREVIOUS_EXTRA}" ".")
