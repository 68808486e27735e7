# `cmake --install`: the two shared libraries, the okit command line
# (OpalineKit::okit, which opalinekit_add_forms runs), the headers a program needs
# (the host model, the controls, the window services, the class registry and
# the Application class), the skin bitmaps the library embeds, a CMake
# package (find_package(OpalineKit), target OpalineKit::OpalineKit) and a
# pkg-config file (opalinekit.pc).

include(CMakePackageConfigHelpers)

set(OKIT_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/OpalineKit)

set_target_properties(OpalineKit PROPERTIES EXPORT_NAME Core)
set_target_properties(OpalineKitApplication PROPERTIES EXPORT_NAME Application)
set_target_properties(okit PROPERTIES EXPORT_NAME okit)
install(TARGETS OpalineKit OpalineKitApplication okit EXPORT OpalineKitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The modules the libraries and okit load from here when first needed.
install(TARGETS OpalineKitText OpalineKitAccessibility LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})

foreach(folder host controls window_services library api)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${folder} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/OpalineKit
    FILES_MATCHING PATTERN "*.h" PATTERN "skins" EXCLUDE)
endforeach()

# The library draws with its embedded copies; these are for reading and for
# comparing with what a form shows.
file(GLOB OKIT_SKIN_FOLDERS LIST_DIRECTORIES true ${PROJECT_SOURCE_DIR}/controls/*/skins)
foreach(skins ${OKIT_SKIN_FOLDERS})
  get_filename_component(control_folder ${skins} DIRECTORY)
  get_filename_component(control ${control_folder} NAME)
  install(DIRECTORY ${skins}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/OpalineKit/skins/${control}
    FILES_MATCHING PATTERN "*.bmp")
endforeach()

# The web runtime `okit web` copies into sites, when tools/build-web.sh has
# built it into this tree.
install(DIRECTORY ${PROJECT_BINARY_DIR}/web-runtime/ DESTINATION ${CMAKE_INSTALL_DATADIR}/OpalineKit/web-runtime
  OPTIONAL)

install(EXPORT OpalineKitTargets NAMESPACE OpalineKit:: DESTINATION ${OKIT_INSTALL_CMAKEDIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/OpalineKitConfig.cmake.in
  ${PROJECT_BINARY_DIR}/OpalineKitConfig.cmake INSTALL_DESTINATION ${OKIT_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/OpalineKitConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/OpalineKitConfig.cmake ${PROJECT_BINARY_DIR}/OpalineKitConfigVersion.cmake
  DESTINATION ${OKIT_INSTALL_CMAKEDIR})
install(FILES ${PROJECT_SOURCE_DIR}/cmake/OpalineKitForms.cmake DESTINATION ${OKIT_INSTALL_CMAKEDIR})

# A sanitized library needs its users to link the sanitizer runtimes.
set(OKIT_PC_SANITIZE "")
if(OKIT_SANITIZE)
  set(OKIT_PC_SANITIZE " -fsanitize=address,undefined")
endif()
file(RELATIVE_PATH OKIT_PC_TO_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
configure_file(${PROJECT_SOURCE_DIR}/cmake/opalinekit.pc.in ${PROJECT_BINARY_DIR}/opalinekit.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/opalinekit.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
