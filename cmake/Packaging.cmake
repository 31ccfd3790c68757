# Installing and packaging. `cmake --install` lays the program out as a
# desktop expects it (menu entry, file types, icons, software-centre data,
# manual pages); `cpack -G DEB` (make package) wraps that into porkane_*.deb.
# Included before src/, so the folders there can use porkane_install_man_page.

include(GNUInstallDirs)

set(PORKANE_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
set(PORKANE_GENERATED ${PROJECT_BINARY_DIR}/resources)
set(PORKANE_DATADIR ${CMAKE_INSTALL_DATADIR}/porkane)
set(PORKANE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/porkane)

# Files that name the version must be updated with it: a release without its
# changelog entry or software-centre release note is not built.
file(STRINGS ${PORKANE_RESOURCES}/package/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^porkane \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "resources/package/changelog must start with an entry for version ${PROJECT_VERSION}")
endif()
file(READ ${PORKANE_RESOURCES}/porkane.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "resources/porkane.metainfo.xml has no <release> for version ${PROJECT_VERSION}")
endif()

# Manual pages are installed gzip'd at the strongest level and without a
# timestamp, as Debian expects. `page` is a built or source file; DEPENDS
# names the target that writes it, if any.
function(porkane_install_man_page page)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  get_filename_component(name ${page} NAME)
  string(REGEX REPLACE "^.*\\.([0-9])$" "\\1" section ${name})
  set(compressed ${PORKANE_GENERATED}/man/${name}.gz)
  add_custom_command(
    OUTPUT ${compressed}
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2.new\" && mv \"$2.new\" \"$2\"" sh ${page} ${compressed}
    DEPENDS ${page}
    COMMENT "Compressing the manual page ${name}"
    VERBATIM)
  string(REPLACE "." "-" target_name "man-${name}")
  add_custom_target(${target_name} ALL DEPENDS ${compressed})
  if(ARG_DEPENDS)
    add_dependencies(${target_name} ${ARG_DEPENDS})
  endif()
  install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()

# porkane(1): the program takes no options, so its page is written by hand;
# porkane-tool(1) is generated from the tool's command table (src/tool).
configure_file(${PORKANE_RESOURCES}/man/porkane.1 ${PORKANE_GENERATED}/man/porkane.1 @ONLY)
porkane_install_man_page(${PORKANE_GENERATED}/man/porkane.1)

# Menu entry, file types (with the magic that finds a label file without its
# suffix) and the software centres' description.
install(FILES ${PORKANE_RESOURCES}/porkane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PORKANE_RESOURCES}/porkane-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME porkane.xml)
install(FILES ${PORKANE_RESOURCES}/porkane.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icons: the drawings themselves for desktops that scale them, and pictures
# at the hicolor theme's usual sizes for those that do not (48 is the one
# every desktop falls back to).
set(PORKANE_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_sources
    apps porkane ${PORKANE_RESOURCES}/porkane.svg
    mimetypes application-x-porkane-label ${PORKANE_RESOURCES}/mimetypes/application-x-porkane-label.svg
    mimetypes application-x-porkane-form ${PORKANE_RESOURCES}/mimetypes/application-x-porkane-form.svg)
find_program(RSVG_CONVERT rsvg-convert)
if(NOT RSVG_CONVERT)
  message(WARNING "rsvg-convert (Debian package librsvg2-bin) not found: only the scalable icons are installed")
endif()
set(icon_pictures)
while(icon_sources)
  list(POP_FRONT icon_sources context name svg)
  install(FILES ${svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/${context} RENAME ${name}.svg)
  if(RSVG_CONVERT)
    foreach(size IN LISTS PORKANE_ICON_SIZES)
      set(png ${PORKANE_GENERATED}/icons/${size}x${size}/${context}/${name}.png)
      add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PORKANE_GENERATED}/icons/${size}x${size}/${context}
        COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --keep-aspect-ratio --output ${png} ${svg}
        DEPENDS ${svg}
        VERBATIM)
      list(APPEND icon_pictures ${png})
      install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/${context})
    endforeach()
  endif()
endwhile()
add_custom_target(porkane-icons ALL DEPENDS ${icon_pictures})

# The user guide, once it is written: HTML in resources/guide/, opened by the
# program from /usr/share/porkane/guide.
if(EXISTS ${PORKANE_RESOURCES}/guide)
  install(DIRECTORY ${PORKANE_RESOURCES}/guide/ DESTINATION ${PORKANE_DATADIR}/guide)
endif()
# Translations the build writes (.qm) into the build folder's translations/,
# read by the program from /usr/share/porkane/translations.
install(DIRECTORY ${PROJECT_BINARY_DIR}/translations/ DESTINATION ${PORKANE_DATADIR}/translations OPTIONAL
        FILES_MATCHING PATTERN "*.qm")

# What Debian asks of every package: its copyright and its changelog.
set(changelog ${PORKANE_GENERATED}/package/changelog.gz)
add_custom_command(
  OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PORKANE_GENERATED}/package
  COMMAND sh -c "gzip -9nc \"$1\" > \"$2.new\" && mv \"$2.new\" \"$2\"" sh ${PORKANE_RESOURCES}/package/changelog
          ${changelog}
  DEPENDS ${PORKANE_RESOURCES}/package/changelog
  VERBATIM)
add_custom_target(porkane-changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} ${PORKANE_RESOURCES}/package/copyright DESTINATION ${PORKANE_DOCDIR})

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME porkane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "porkane maintainers <maintainers@users.noreply.c-seed-d24b9736.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "designer and printer for sheets of adhesive labels")
set(CPACK_PACKAGE_DESCRIPTION
    "Porkane lays out text and pictures on sheets of adhesive labels, such as
address labels and name stickers, and prints the whole sheet at once. Its
interface is in Japanese. Sheets come from the label products sold in shops
(the glabels catalogue) or are designed in the program; text runs across or
down with outlines, shadows and other effects.

The command porkane-tool reads, saves again, draws and prints the program's
label files from scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from the binaries (dpkg-shlibdeps); what is loaded at run time
# besides: Qt's platform plugins, the interface font, the product catalogue.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont, glabels-data")
# Qt's own dialogs in Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
