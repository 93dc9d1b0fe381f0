# How every target of the project is compiled: the language standard, the
# floating-point rules the model's results depend on, the warnings, the
# sanitizers and the hardening of the shipped program. Included from the
# top-level file before any target is defined.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

set(siltmere_gcc_like "$<OR:$<CXX_COMPILER_ID:GNU>,$<CXX_COMPILER_ID:Clang>,$<CXX_COMPILER_ID:AppleClang>>")
set(siltmere_msvc "$<CXX_COMPILER_ID:MSVC>")

# The load chain must give the same doubles everywhere: no fused multiply-add
# contraction, no value-changing optimisations, and the floating-point status
# flags observable between operations (the model tests them after each step).
add_compile_options(
    "$<${siltmere_gcc_like}:-ffp-contract=off;-fno-fast-math>"
    "$<${siltmere_msvc}:/fp:strict;/utf-8;/permissive-;/Zc:__cplusplus>")

if(SILTMERE_SANITIZE)
    if(MSVC)
        add_compile_options(/fsanitize=address)
    else()
        add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
        add_link_options(-fsanitize=address,undefined)
    endif()
endif()

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

# Warnings for the project's own targets (not for generated Qt code).
add_library(siltmere_warnings INTERFACE)
target_compile_options(siltmere_warnings INTERFACE
    "$<${siltmere_gcc_like}:-Wall;-Wextra;-Wpedantic;-Wshadow;-Wconversion;-Wsign-conversion;-Wold-style-cast>"
    "$<${siltmere_msvc}:/W4>"
    "$<$<AND:$<BOOL:${SILTMERE_WERROR}>,${siltmere_gcc_like}>:-Werror>"
    "$<$<AND:$<BOOL:${SILTMERE_WERROR}>,${siltmere_msvc}>:/WX>")
