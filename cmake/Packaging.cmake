# Installing and the Debian package. Installed, the binaries go to bin/ and the
# shipped files to share/quillon/, in the same folders as the program folder of
# a build; the program finds them from its own path. The rest is what a desktop
# expects of a program: menu entry, icons, AppStream data, licence, changelog.
include(GNUInstallDirs)
set(QUILLON_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/quillon)
# Folders the install makes are world-readable whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(packaging_dir ${CMAKE_CURRENT_LIST_DIR}/../packaging)
set(QUILLON_APPSTREAM_ID net.morvane.quillon)
set(QUILLON_MAINTAINER "Quillon maintainers <maintainers@users.noreply.c-seed-09c51c80.example>"
  CACHE STRING "Maintainer named in the Debian package")

install(FILES ${packaging_dir}/quillon.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_dir}/${QUILLON_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon is drawn once as SVG; the fixed sizes are rendered from it.
set(icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${packaging_dir}/quillon.svg DESTINATION ${icon_dir}/scalable/apps)
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  set(icon_pngs "")
  foreach(size 16 22 24 32 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/quillon.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${packaging_dir}/quillon.svg
      DEPENDS ${packaging_dir}/quillon.svg
      VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${icon_dir}/${size}x${size}/apps)
  endforeach()
  add_custom_target(icons ALL DEPENDS ${icon_pngs})
else()
  message(WARNING "rsvg-convert not found (librsvg2-bin): only the scalable icon is installed")
endif()

# Debian wants the changelog compressed, without a name or time stamp inside.
set(changelog_gz ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND ${CMAKE_COMMAND} -E copy ${packaging_dir}/changelog ${CMAKE_BINARY_DIR}/doc/changelog
  COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/doc/changelog
  DEPENDS ${packaging_dir}/changelog
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${changelog_gz})
install(FILES ${packaging_dir}/copyright ${changelog_gz} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillon)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR Morvane)
set(CPACK_PACKAGE_CONTACT ${QUILLON_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "authoring tool for site-navigation menu pages")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Quillon builds site-navigation menus for web sites: tabs, each holding a
tree of link nodes with captions, links, target frames, status texts,
16 x 16 icons, colours, fonts, background pictures and sounds. A menu is
saved as an HTML page that embeds one of three menu applets configured by
PARAM tags, and the page is also the project file. Every save copies the
applet, support, picture and sound files into the site and writes an
upload report of the files to upload.

The same menu can also be written as a JavaScript drop-down menu, a
JavaScript tree view in two frames, an HTML site map or an XML sitemap,
with frameset or floating-window start pages. A site indexer builds tree
nodes by crawling a web site, a site on disk or a set of local files.
quillon-cli does headless what the window does.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The applet page runner needs a runtime with a display toolkit and java.applet.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "default-jre | java8-runtime")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
