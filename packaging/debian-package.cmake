# `make package`: a Debian package of what `cmake --install` installs, under
# /usr. Its dependencies are the Debian packages of the shared libraries the
# programs link (found by dpkg-shlibdeps), and the Song font the report is
# measured and drawn with.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tenrix)
set(CPACK_PACKAGE_VENDOR "Tenrix")
set(CPACK_PACKAGE_CONTACT "Tenrix maintainers <maintainers@tenrix.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mechanical design of substation strain spans (软导线实用力学计算)")
set(CPACK_PACKAGE_DESCRIPTION "Tenrix calculates a flexible strain span of a substation: tension and sag
of the conductor for thirteen load states, reactions, wind forces and beam
loads on the structures, and installation and marking tables. It writes a
seventeen-page report in Simplified Chinese. The package holds the desktop
program tenrix and the command tenrix-calc.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming")
# The file, print and message dialogs in Chinese; the program starts without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
