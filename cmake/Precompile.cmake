# SPDX-License-Identifier: GPL-3.0-or-later
# Precompiled Qt headers. Every source parses thousands of lines of Qt headers before a line of
# its own, which costs more processor time than most of our code; with GCC a header set is
# compiled once per build tree and kind of target, and every target of that kind reuses it.
#
# A precompiled header only serves a compile with the same flags and the same values of the
# macros its headers look at (QtTest's look at QT_WIDGETS_LIB and the like), so each kind has an
# owner target that links exactly the Qt modules its users link: qx_pch_owner() makes it,
# qx_precompile() makes a target use it. GCC says so (-Winvalid-pch) when one does not fit.

# Off for other compilers (clang refuses a shared header whose -D options differ from the
# user's) and under ccache, which cannot cache a compile that reads a precompiled header
# unless told to be sloppy; a clean build is where they pay.
set(pch_default ON)
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU" OR CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
    set(pch_default OFF)
endif()
option(QX_PCH "Precompile the Qt headers once per kind of target (GCC)" ${pch_default})

set(QX_PCH_core <QtCore> <algorithm> <array> <functional> <memory> <optional> <vector>)
set(QX_PCH_widgets ${QX_PCH_core} <QtWidgets>)
set(QX_PCH_coretests ${QX_PCH_core} <QtTest>)
set(QX_PCH_widgettests ${QX_PCH_widgets} <QtTest>)

# qx_pch_owner(KIND QT_TARGETS...): the target that compiles KIND's headers, linking QT_TARGETS.
# For the test kinds it must live in the tests' own folder: QtTest's headers see the folder.
function(qx_pch_owner kind)
    if(NOT QX_PCH)
        return()
    endif()
    set(source ${CMAKE_CURRENT_BINARY_DIR}/qx_pch_${kind}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// The owner of the ${kind} headers; no code.\n")
    add_library(qx_pch_${kind} OBJECT ${source})
    set_target_properties(qx_pch_${kind} PROPERTIES AUTOMOC OFF)
    target_link_libraries(qx_pch_${kind} PRIVATE ${ARGN})
    target_precompile_headers(qx_pch_${kind} PRIVATE ${QX_PCH_${kind}})
endfunction()

# qx_precompile(TARGET KIND): TARGET's sources start from KIND's precompiled headers. A target
# this build does not have (a Unix-only one, the benchmarks left out) is passed over.
function(qx_precompile target kind)
    if(QX_PCH AND TARGET ${target})
        target_precompile_headers(${target} REUSE_FROM qx_pch_${kind})
    endif()
endfunction()
