# Headers, libraries, the tool and a CMake package: find_package(OvCoordSystem CONFIG).
include(CMakePackageConfigHelpers)
set(OV_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/OvCoordSystem)
set(OV_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/OvCoordSystem)

foreach(root src platform)
    ov_public_headers(headers "${PROJECT_SOURCE_DIR}/${root}")
    foreach(h ${headers})
        get_filename_component(sub "${h}" DIRECTORY)
        install(FILES "${PROJECT_SOURCE_DIR}/${root}/${h}" DESTINATION "${OV_INCLUDE_DIR}/${sub}")
    endforeach()
endforeach()
install(FILES "${OV_UMBRELLA_HEADER}" DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}")

install(TARGETS OvPlatform OvCoordSystem EXPORT OvCoordSystemTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS ovcoord ovhost RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(EXPORT OvCoordSystemTargets NAMESPACE OvCoordSystem:: DESTINATION ${OV_CMAKE_DIR})

configure_package_config_file(cmake/OvCoordSystemConfig.cmake.in
    "${PROJECT_BINARY_DIR}/OvCoordSystemConfig.cmake" INSTALL_DESTINATION ${OV_CMAKE_DIR})
write_basic_package_version_file("${PROJECT_BINARY_DIR}/OvCoordSystemConfigVersion.cmake"
    COMPATIBILITY SameMinorVersion)
install(FILES "${PROJECT_BINARY_DIR}/OvCoordSystemConfig.cmake"
    "${PROJECT_BINARY_DIR}/OvCoordSystemConfigVersion.cmake" DESTINATION ${OV_CMAKE_DIR})

# The bundled division data, where the division search looks for it (share/OvCoordSystem/).
install(DIRECTORY "${PROJECT_SOURCE_DIR}/data/divisions/"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/OvCoordSystem/divisions")
