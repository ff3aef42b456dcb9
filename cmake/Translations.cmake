# SPDX-License-Identifier: GPL-3.0-or-later
# The window's texts in Czech and in English. The sources hold the texts as
# the window shows them by default; translations/*.ts hold both languages,
# compiled here into .qm files beside the program (build/translations) and
# installed into share/kvorax/translations, where the window loads them.
#
# After changing a text of the window, bring the .ts files up to date with
#     cmake --build build --target update_translations
# and translate what it added; the test Translations.* fails until then.

include(GNUInstallDirs)

set(KVORAX_TS_FILES
    ${CMAKE_CURRENT_SOURCE_DIR}/translations/kvorax_cs.ts
    ${CMAKE_CURRENT_SOURCE_DIR}/translations/kvorax_en.ts)
# Every folder whose code can put a text into the window.
set(KVORAX_TRANSLATED_FOLDERS text roster matrix print contest publish platform ${KVORAX_WINDOW_FOLDERS})
set(KVORAX_QM_DIR ${CMAKE_BINARY_DIR}/translations)

set(kvorax_translated_sources)
foreach(folder IN LISTS KVORAX_TRANSLATED_FOLDERS)
    file(GLOB folder_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
    list(APPEND kvorax_translated_sources ${folder_sources})
endforeach()

set_source_files_properties(${KVORAX_TS_FILES} PROPERTIES OUTPUT_LOCATION ${KVORAX_QM_DIR})
qt_add_lrelease(kvorax TS_FILES ${KVORAX_TS_FILES} QM_FILES_OUTPUT_VARIABLE KVORAX_QM_FILES)
qt_add_lupdate(kvorax TS_FILES ${KVORAX_TS_FILES} SOURCES ${kvorax_translated_sources}
               INCLUDE_DIRECTORIES ${CMAKE_CURRENT_SOURCE_DIR}
               OPTIONS -locations none -no-obsolete)

install(FILES ${KVORAX_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kvorax/translations)
