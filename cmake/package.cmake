# A Debian package of everything `cmake --install` puts in place:
#   cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release && cmake --build build-deb
#   cd build-deb && cpack -G DEB       # opalinekit_8.0.0_amd64.deb
# tools/build-deb.sh does exactly this. The run-time dependencies come from
# dpkg-shlibdeps reading the libraries and okit; the font the controls draw
# their text with is a package of its own.

set(CPACK_PACKAGE_NAME opalinekit)
set(CPACK_PACKAGE_VENDOR "OpalineKit developers")
set(CPACK_PACKAGE_CONTACT "OpalineKit developers <opalinekit@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "skinned desktop controls, their host runtime and the okit command line")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "A C++20 library of six skinned controls (command button, window caption frame, check box, text box, frame "
  "border, two-tab strip) with the host they run in, headless or in SDL2 windows; the okit command line runs, "
  "renders, scripts, checks and designs form files. Headers, a CMake package and a pkg-config file are included.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine")
# The faces text in other scripts falls back to (docs/text.md).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, fonts-droid-fallback, fonts-noto-core, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "bash-completion, cmake, pkgconf | pkg-config")
include(CPack)
