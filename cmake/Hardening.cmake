# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening flags for the optimised builds that packages are made
# from: fortified string and memory calls, stack protector, read-only
# relocations bound at start-up, and a position-independent program. The
# flags come from dpkg-buildflags (dpkg-dev), so a build follows what the
# machine's Debian release asks of its own packages. A Debug build stays
# without them: fortification needs the optimiser, and the sanitizer build
# brings its own checks.

option(KVORAX_HARDENING "Build Release, RelWithDebInfo and MinSizeRel with Debian's hardening flags" ON)

set(KVORAX_HARDENED OFF)
find_program(KVORAX_DPKG_BUILDFLAGS dpkg-buildflags)
if(KVORAX_HARDENING AND NOT KVORAX_SANITIZE AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    if(NOT KVORAX_DPKG_BUILDFLAGS)
        message(FATAL_ERROR "dpkg-buildflags (from dpkg-dev) is missing: install dpkg-dev, "
                            "or configure with -DKVORAX_HARDENING=OFF to build without hardening flags")
    else()
        # The build type keeps choosing the optimisation and the debugging
        # information; everything else is taken as Debian gives it.
        function(kvorax_debian_flags kind out)
            execute_process(
                COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                        ${KVORAX_DPKG_BUILDFLAGS} --get ${kind}
                WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
            separate_arguments(flags UNIX_COMMAND "${flags}")
            list(FILTER flags EXCLUDE REGEX "^-(O.*|g)$")
            set(${out} ${flags} PARENT_SCOPE)
        endfunction()
        kvorax_debian_flags(CPPFLAGS kvorax_cppflags)
        kvorax_debian_flags(CXXFLAGS kvorax_cxxflags)
        kvorax_debian_flags(LDFLAGS kvorax_ldflags)
        add_compile_options(${kvorax_cppflags} ${kvorax_cxxflags})
        add_link_options(${kvorax_ldflags})
        include(CheckPIESupported)
        check_pie_supported()
        set(CMAKE_POSITION_INDEPENDENT_CODE ON)
        set(KVORAX_HARDENED ON)
    endif()
endif()
