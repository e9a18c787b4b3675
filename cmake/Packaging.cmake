# The Debian package: `cpack -G DEB` in a build directory. It holds whatever the
# install rules install (the program, the command-line tool, the desktop entry,
# the icons and the Python module) under /usr.

# The maker's home page and sales address live in one header; read them from there.
file(STRINGS ${PROJECT_SOURCE_DIR}/src/commands/maker_info.h zova_maker_lines REGEX "k(HomePage|SalesEmail) = ")
foreach(line IN LISTS zova_maker_lines)
  string(REGEX MATCH "k([A-Za-z]+) = \"([^\"]*)\"" _ "${line}")
  set(zova_maker_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()
foreach(field IN ITEMS HomePage SalesEmail)
  if(NOT zova_maker_${field})
    message(FATAL_ERROR "cmake/Packaging.cmake: k${field} not found in src/commands/maker_info.h")
  endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zovamagnetic)
set(CPACK_PACKAGE_VENDOR "ZOVA")
set(CPACK_PACKAGE_CONTACT "ZOVA <${zova_maker_SalesEmail}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "toroidal powder-core inductor design tool (ZOVA磁芯设计工具)")
set(CPACK_PACKAGE_DESCRIPTION [=[
Desktop tool for inductors wound on toroidal powder cores. From a built-in
catalogue of cores and their DC-bias permeability curves it calculates the
inductance of a winding at a DC peak current, and selects the cores that reach
a wanted inductance with a winding that fits the core window. The user
interface is in simplified Chinese. Includes the command-line tool
zovamagnetic-cli and the Python 3 module zovamagnetic.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${zova_maker_HomePage}")
# Library dependencies come from dpkg-shlibdeps. Qt loads its window-system
# plugin at run time, which no linker sees, and every text is Chinese, which
# needs a CJK font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk | fonts-wqy-zenhei")
# The Python module's native part is built for one Python version (its file
# name carries that version's ABI) and, as Debian's extension modules do, does
# not link libpython: the dependency on that version is stated here.
if(ZOVA_PYTHON_VERSION)
  string(REGEX MATCH "^([0-9]+)\\.([0-9]+)$" _ "${ZOVA_PYTHON_VERSION}")
  math(EXPR zova_python_next_minor "${CMAKE_MATCH_2} + 1")
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", python3 (>= ${ZOVA_PYTHON_VERSION}~), python3 (<< ${CMAKE_MATCH_1}.${zova_python_next_minor})")
endif()

# What Debian policy asks of every package beside the programs: the copyright
# file, the changelog and a manual page per program, the last two compressed
# the way dpkg expects (gzip -9n: best compression, no name or time stamp).
include(GNUInstallDirs)
find_program(ZOVA_GZIP gzip REQUIRED)
set(zova_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.Debian.in
               ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.Debian @ONLY)
set(zova_gzipped)
foreach(source IN ITEMS ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.Debian
                        ${PROJECT_SOURCE_DIR}/docs/man/zovamagnetic.1
                        ${PROJECT_SOURCE_DIR}/docs/man/zovamagnetic-cli.1)
  get_filename_component(name ${source} NAME)
  set(target ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${target}
                     COMMAND ${ZOVA_GZIP} -9n -c ${source} > ${target}
                     DEPENDS ${source} VERBATIM)
  list(APPEND zova_gzipped ${target})
endforeach()
add_custom_target(zova_package_docs ALL DEPENDS ${zova_gzipped})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
              ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.Debian.gz
        DESTINATION ${zova_doc_dir})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${CPACK_PACKAGE_NAME})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/zovamagnetic.1.gz
              ${CMAKE_CURRENT_BINARY_DIR}/packaging/zovamagnetic-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

include(CPack)
