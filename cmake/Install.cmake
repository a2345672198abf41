# The installable package: cmake --install puts the headers, the libraries and a CMake package
# config in a prefix, where a host project finds them with
#   find_package(tk_peludlg14 CONFIG REQUIRED)
#   target_link_libraries(host PRIVATE tk_peludlg14::tk_peludlg14)
#   tkp_add_resources(host host.rc)
include(CMakePackageConfigHelpers)
set(TKP_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/tk_peludlg14)

set(TKP_INSTALLED_TARGETS tk_peludlg14 afx win32_api tkp_host)
file(GLOB TKP_INSTALLED_HEADERS ${CMAKE_SOURCE_DIR}/include/*.h
     ${CMAKE_SOURCE_DIR}/platform/afx/include/*.h)
list(APPEND TKP_INSTALLED_HEADERS ${CMAKE_SOURCE_DIR}/host/HostDialogMessage.h)
if(NOT WIN32)
    list(APPEND TKP_INSTALLED_TARGETS win32)
    file(GLOB TKP_WINDOWS_HEADERS ${CMAKE_SOURCE_DIR}/platform/win32/include/*.h)
    list(APPEND TKP_INSTALLED_HEADERS ${TKP_WINDOWS_HEADERS})
endif()
# The installed libraries find one another beside themselves, as the build's do.
set_target_properties(tk_peludlg14 afx PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS ${TKP_INSTALLED_TARGETS} EXPORT tk_peludlg14Targets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${TKP_INSTALLED_HEADERS} DESTINATION ${TKP_INSTALL_INCLUDEDIR})
install(EXPORT tk_peludlg14Targets NAMESPACE tk_peludlg14:: DESTINATION ${TKP_INSTALL_CMAKEDIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/tk_peludlg14Config.cmake.in
                              ${CMAKE_BINARY_DIR}/tk_peludlg14Config.cmake
                              INSTALL_DESTINATION ${TKP_INSTALL_CMAKEDIR})
install(FILES ${CMAKE_BINARY_DIR}/tk_peludlg14Config.cmake
              ${CMAKE_CURRENT_LIST_DIR}/Resources.cmake ${CMAKE_CURRENT_LIST_DIR}/resources.S.in
        DESTINATION ${TKP_INSTALL_CMAKEDIR})
