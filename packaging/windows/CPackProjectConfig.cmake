# Read by cpack for each package it makes (CPACK_PROJECT_CONFIG_FILE), so it
# sees the environment of the cpack run rather than of the configure step.
#
# Signing: when SILTMERE_SIGN_CERT and SILTMERE_SIGN_KEY name a certificate
# and its key, makensis signs the uninstaller before packing it and the
# installer once written, with packaging/windows/sign.sh (siltmere.exe is
# signed by its install rule, cmake/Install.cmake). Without them nothing is
# signed.
if(CPACK_GENERATOR MATCHES "NSIS" AND DEFINED ENV{SILTMERE_SIGN_CERT} AND DEFINED ENV{SILTMERE_SIGN_KEY})
    set(CPACK_NSIS_SILTMERE_SIGN_CODE
        "  !uninstfinalize '\"${CPACK_NSIS_SILTMERE_SIGN_SCRIPT}\" \"%1\"' = 0\n  !finalize '\"${CPACK_NSIS_SILTMERE_SIGN_SCRIPT}\" \"%1\"' = 0")
else()
    set(CPACK_NSIS_SILTMERE_SIGN_CODE "")
endif()
