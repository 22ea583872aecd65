# cmake --install: include/, lib/, bin/ and a CMake package, so that a host
# writes find_package(Quillon CONFIG REQUIRED) and links Quillon::quillon.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)
install(TARGETS afxlite quillon EXPORT QuillonTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quillon)
# afxlite's headers go to their own folder once (they carry MFC's header names).
install(DIRECTORY ${CMAKE_SOURCE_DIR}/afxlite/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/afxlite)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/CHANGELOG.md ${CMAKE_SOURCE_DIR}/README.md
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillon)
install(EXPORT QuillonTargets NAMESPACE Quillon:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Quillon)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/QuillonConfig.cmake.in
  ${CMAKE_BINARY_DIR}/QuillonConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Quillon)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/QuillonConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/QuillonConfig.cmake ${CMAKE_BINARY_DIR}/QuillonConfigVersion.cmake
  ${CMAKE_SOURCE_DIR}/cmake/QuillonDeploy.cmake DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Quillon)
