# Every outside library, found once; targets use the imported names below.
find_package(Qt5 5.15 REQUIRED COMPONENTS Core Gui Widgets Network Test)
if(UNIX AND NOT APPLE)
    # The file-browser reveal asks the desktop's file manager over D-Bus.
    find_package(Qt5 5.15 REQUIRED COMPONENTS DBus)
endif()
find_package(GDAL 3 REQUIRED)
find_package(OpenSSL 3 REQUIRED COMPONENTS Crypto)
find_package(PkgConfig REQUIRED)
pkg_check_modules(TinyXML REQUIRED IMPORTED_TARGET tinyxml)
pkg_check_modules(LibZip REQUIRED IMPORTED_TARGET libzip)

find_library(GeographicLib_LIBRARY NAMES GeographicLib Geographic REQUIRED)
find_path(GeographicLib_INCLUDE_DIR GeographicLib/Geodesic.hpp REQUIRED)
add_library(Ov::GeographicLib INTERFACE IMPORTED)
target_link_libraries(Ov::GeographicLib INTERFACE ${GeographicLib_LIBRARY})
target_include_directories(Ov::GeographicLib INTERFACE ${GeographicLib_INCLUDE_DIR})
