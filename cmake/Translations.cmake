# The interface in other languages. resources/translations/porkane_<lang>.ts
# (Qt Linguist) holds a translation of every tr() text of src/; lrelease
# compiles each into <build>/translations/porkane_<lang>.qm, where the
# program run from the build tree finds it (bin/../translations) and from
# where it is installed into share/porkane/translations.
#
# The target update-translations (make translations) runs lupdate over src/:
# new texts enter the .ts unfinished, texts gone from the sources leave it.
# The test translation_tests fails until every text has its translation.
#
# lupdate and lrelease come from qt6-l10n-tools; Qt's CMake functions for
# them would need qt6-tools-dev, which brings Designer, Assistant and libclang.

find_program(PORKANE_LUPDATE NAMES lupdate-qt6 lupdate
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}
             NO_DEFAULT_PATH)
find_program(PORKANE_LRELEASE NAMES lrelease-qt6 lrelease
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}
             NO_DEFAULT_PATH)
if(NOT PORKANE_LUPDATE OR NOT PORKANE_LRELEASE)
  message(FATAL_ERROR "Qt 6's lupdate and lrelease were not found: install the Debian package qt6-l10n-tools")
endif()

set(PORKANE_TRANSLATIONS_SOURCE ${PROJECT_SOURCE_DIR}/resources/translations)
set(PORKANE_TRANSLATIONS_BUILD ${PROJECT_BINARY_DIR}/translations)
file(GLOB PORKANE_TS_FILES CONFIGURE_DEPENDS ${PORKANE_TRANSLATIONS_SOURCE}/porkane_*.ts)

set(qm_files)
foreach(ts IN LISTS PORKANE_TS_FILES)
  get_filename_component(name ${ts} NAME_WE)
  set(qm ${PORKANE_TRANSLATIONS_BUILD}/${name}.qm)
  add_custom_command(
    OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PORKANE_TRANSLATIONS_BUILD}
    COMMAND ${PORKANE_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling the translation ${name}"
    VERBATIM)
  list(APPEND qm_files ${qm})
endforeach()
add_custom_target(porkane-translations ALL DEPENDS ${qm_files})

# How lupdate is run, here and by the translation test (which compares its
# result with the .ts): no line numbers, so the .ts changes only with texts.
set(PORKANE_LUPDATE_OPTIONS -recursive -locations none -no-obsolete -source-language ja_JP)
add_custom_target(update-translations
  COMMAND ${PORKANE_LUPDATE} ${PORKANE_LUPDATE_OPTIONS} ${PROJECT_SOURCE_DIR}/src -ts ${PORKANE_TS_FILES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Updating resources/translations from the texts of src/"
  VERBATIM)
