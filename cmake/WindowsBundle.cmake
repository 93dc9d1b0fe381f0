# The Windows program as a self-contained folder: siltmere.exe beside the Qt
# libraries and the plugins it loads (the windows platform, the Windows Vista
# style, JPEG for the photograph) and, for a MinGW build, the compiler's
# runtime libraries. Qt is linked dynamically, so a user can replace it as
# the LGPL allows. `cmake --install` writes the folder; cpack packs it as an
# NSIS installer and as a ZIP for users without install rights.
#
# Qt's own deployment script does the same for a native Qt, but has no
# deployment tool for a cross-built one, so the files are named here.

install(TARGETS siltmere RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> DESTINATION imageformats)

set(siltmere_runtime_dlls "")
if(MINGW)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(
            COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
            OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
            message(FATAL_ERROR "The MinGW runtime library ${dll} was not found")
        endif()
        list(APPEND siltmere_runtime_dlls "${path}")
    endforeach()
    install(FILES ${siltmere_runtime_dlls} DESTINATION .)
elseif(MSVC)
    set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
    include(InstallRequiredSystemLibraries)
endif()

# Libraries copied in are stripped like the program when the install strips
# (`cmake --install --strip`, and cpack).
if(CMAKE_STRIP)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
            foreach(dll IN LISTS dlls)
                execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\")
            endforeach()
        endif()")
endif()

# Licences: Siltmere's own, the LGPL that Qt is used under with the notice
# of where its source is found, and the copyright files of Qt (with the
# libraries it bundles) and of the MinGW runtime.
set(siltmere_windows_licence "${CMAKE_BINARY_DIR}/LICENSE.txt")
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" siltmere_licence_text)
set(SILTMERE_QT_SOURCE "the Qt Project's qtbase source"
    CACHE STRING "Where the Qt that the Windows bundle carries was built from, for its licence notice")
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/THIRD-PARTY.txt.in" THIRD-PARTY.txt @ONLY)
file(READ "${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY.txt" siltmere_third_party_text)
file(WRITE "${siltmere_windows_licence}" "${siltmere_licence_text}\n\n${siltmere_third_party_text}")
install(FILES "${siltmere_windows_licence}" DESTINATION .)
set(siltmere_licence_files "")
foreach(pair
        "LGPL-3.txt=/usr/share/common-licenses/LGPL-3"
        "GPL-3.txt=/usr/share/common-licenses/GPL-3"
        "Qt.txt=/usr/share/doc/libqt6core6/copyright"
        "MinGW-w64-runtime.txt=/usr/share/doc/mingw-w64-x86-64-dev/copyright"
        "GCC-runtime.txt=/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright")
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 name)
    list(GET pair 1 source)
    if(EXISTS "${source}")
        install(FILES "${source}" DESTINATION licenses RENAME "${name}")
    elseif(name MATCHES "^(LGPL|GPL)")
        message(FATAL_ERROR "${source} is missing: the Windows bundle must carry Qt's licence")
    endif()
endforeach()

set(CPACK_GENERATOR "NSIS64;ZIP")
set(CPACK_PACKAGE_FILE_NAME "Siltmere-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Siltmere")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Siltmere")
# The Start-menu shortcut "Siltmere", to siltmere.exe at the top of the folder.
set(CPACK_PACKAGE_EXECUTABLES "siltmere;Siltmere")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_RESOURCE_FILE_LICENSE "${siltmere_windows_licence}")
set(CPACK_NSIS_PACKAGE_NAME "Siltmere")
set(CPACK_NSIS_DISPLAY_NAME "Siltmere ${PROJECT_VERSION}")
# A 64-bit installer and uninstaller, in Unicode.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/assets/siltmere.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/assets/siltmere.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "siltmere.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
