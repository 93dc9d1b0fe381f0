# Every install rule of the program: what `cmake --install` puts under the
# prefix, and so what the Debian package, the Windows installer and ZIP and
# a macOS bundle carry. Included from the top-level file once the program's
# target exists.

if(NOT TARGET siltmere)
    return()
endif()

if(WIN32)
    # The Windows program as a self-contained folder: siltmere.exe beside the
    # Qt libraries and the plugins it loads (the windows platform, the Windows
    # Vista style, JPEG for the photograph) and, for a MinGW build, the
    # compiler's runtime libraries. Qt is linked dynamically, so a user can
    # replace it as the LGPL allows. Qt's own deployment script does the same
    # for a native Qt, but has no deployment tool for a cross-built one, so
    # the files are named here.
    install(TARGETS siltmere RUNTIME DESTINATION .)
    install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
    # Printing the report (ui/report): on Windows Qt's print support talks
    # to the spooler itself, with no plugin.
    find_package(Qt6 REQUIRED COMPONENTS PrintSupport)
    install(FILES $<TARGET_FILE:Qt6::PrintSupport> DESTINATION .)
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
    install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> DESTINATION imageformats)

    if(MINGW)
        set(siltmere_runtime_dlls "")
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

    # Libraries copied in are stripped like the program when the install
    # strips (`cmake --install --strip`, and cpack).
    if(CMAKE_STRIP)
        install(CODE "
            if(CMAKE_INSTALL_DO_STRIP)
                file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
                foreach(dll IN LISTS dlls)
                    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\")
                endforeach()
            endif()")
    endif()

    # siltmere.exe signed, after stripping, when a certificate is named
    # (packaging/windows/sign.sh, which says how); the installer and the
    # uninstaller are signed by makensis (packaging/windows/CPackProjectConfig.cmake).
    install(CODE "
        if(DEFINED ENV{SILTMERE_SIGN_CERT} AND DEFINED ENV{SILTMERE_SIGN_KEY})
            execute_process(
                COMMAND \"${PROJECT_SOURCE_DIR}/packaging/windows/sign.sh\"
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/siltmere.exe\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()")

    # Licences: Siltmere's own, the LGPL that Qt is used under with the
    # notice of where its source is found, and the copyright files of Qt
    # (with the libraries it bundles) and of the MinGW runtime. The installer
    # shows LICENSE.txt (cmake/Packaging.cmake).
    set(SILTMERE_WINDOWS_LICENCE "${CMAKE_BINARY_DIR}/LICENSE.txt")
    file(READ "${PROJECT_SOURCE_DIR}/LICENSE" siltmere_licence_text)
    set(SILTMERE_QT_SOURCE "the Qt Project's qtbase source"
        CACHE STRING "Where the Qt that the Windows bundle carries was built from, for its licence notice")
    configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/THIRD-PARTY.txt.in" THIRD-PARTY.txt @ONLY)
    file(READ "${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY.txt" siltmere_third_party_text)
    file(WRITE "${SILTMERE_WINDOWS_LICENCE}" "${siltmere_licence_text}\n\n${siltmere_third_party_text}")
    install(FILES "${SILTMERE_WINDOWS_LICENCE}" DESTINATION .)
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
    return()
endif()

if(APPLE)
    # Qt's deployment script copies the Qt libraries and plugins into the bundle.
    install(TARGETS siltmere BUNDLE DESTINATION .)
    qt_generate_deploy_app_script(
        TARGET siltmere
        FILENAME_VARIABLE siltmere_deploy_script
        NO_UNSUPPORTED_PLATFORM_ERROR)
    install(SCRIPT ${siltmere_deploy_script})
    return()
endif()

# Linux and the other freedesktop systems: the program uses the
# distribution's Qt, which the Debian package depends on.
include(GNUInstallDirs)
install(TARGETS siltmere RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Like the distribution's own programs, the installed one carries no compiler
# identification (the .comment section that stripping leaves in).
if(CMAKE_OBJCOPY)
    install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/siltmere\" COMMAND_ERROR_IS_FATAL ANY)")
endif()

# The menu entry and the software-centre entry, named by the application id.
configure_file(${PROJECT_SOURCE_DIR}/assets/siltmere.desktop.in
    ${CMAKE_BINARY_DIR}/assets/${SILTMERE_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/assets/siltmere.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/assets/${SILTMERE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/assets/${SILTMERE_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/assets/${SILTMERE_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/siltmere-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${SILTMERE_APP_ID}.png)
endforeach()

# The manual page and the Debian changelogs are installed compressed, as
# gzip -9n makes them: no name or time stamp inside, so the package is the
# same whenever it is built.
find_program(SILTMERE_GZIP gzip REQUIRED)
set(siltmere_gz_dir ${CMAKE_BINARY_DIR}/packaging)
set(siltmere_gz_outputs)
foreach(entry
        "${PROJECT_SOURCE_DIR}/docs/siltmere.1|siltmere.1.gz"
        "${PROJECT_SOURCE_DIR}/packaging/debian/changelog|changelog.Debian.gz"
        "${PROJECT_SOURCE_DIR}/CHANGELOG.md|changelog.gz")
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
