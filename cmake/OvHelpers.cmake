# ov_glob(VAR DIR): the C++ sources and headers directly in DIR (new files are picked up on build).
function(ov_glob var dir)
    file(GLOB files CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h" "${dir}/*.ui" "${dir}/*.qrc")
    set(${var} ${files} PARENT_SCOPE)
endfunction()

# ov_add_part(NAME DIR [LIBS...]): one subsystem of the library. Its sources compile once, in
# the object library NAME_obj; the shared OvCoordSystem is the union of those objects, and the
# static library NAME wraps them for the tests, which reach classes the shared library hides.
# LIBS may name other parts (NAME) and outside targets.
function(ov_add_part name dir)
    ov_glob(sources "${CMAKE_CURRENT_SOURCE_DIR}/${dir}")
    if(NOT sources)
        set(sources "${PROJECT_SOURCE_DIR}/cmake/empty.cpp")
    endif()
    add_library(${name}_obj OBJECT ${sources})
    target_include_directories(${name}_obj PUBLIC $<BUILD_INTERFACE:${OV_BUILD_INCLUDE_DIR}>)
    target_compile_definitions(${name}_obj PUBLIC QT_NO_CAST_FROM_BYTEARRAY PRIVATE OVCOORD_BUILDING)
    target_link_libraries(${name}_obj PUBLIC ${ARGN})

    add_library(${name} STATIC $<TARGET_OBJECTS:${name}_obj>)
    target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${OV_BUILD_INCLUDE_DIR}>)
    target_compile_definitions(${name} PUBLIC QT_NO_CAST_FROM_BYTEARRAY)
    target_link_libraries(${name} PUBLIC ${ARGN})

    set_property(GLOBAL APPEND PROPERTY OV_PART_OBJECTS $<TARGET_OBJECTS:${name}_obj>)
    foreach(lib ${ARGN})
        if(NOT lib MATCHES "^ovc_")
            set_property(GLOBAL APPEND PROPERTY OV_PART_LIBS ${lib})
        endif()
    endforeach()
endfunction()

# ov_public_headers(VAR ROOT): every header below ROOT that is not private (*_p.h).
function(ov_public_headers var root)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE "${root}" "${root}/*.h")
    list(FILTER headers EXCLUDE REGEX "_p\\.h$")
    set(${var} ${headers} PARENT_SCOPE)
endfunction()

# Sources include each other as "OvCoordSystem/<folder>/<file>.h", the path users see once the
# package is installed. In the build tree that root is a folder of links to the top-level
# entries of src/ and platform/.
set(OV_BUILD_INCLUDE_DIR "${PROJECT_BINARY_DIR}/include")
file(MAKE_DIRECTORY "${OV_BUILD_INCLUDE_DIR}/OvCoordSystem")
foreach(root src platform)
    file(GLOB entries RELATIVE "${PROJECT_SOURCE_DIR}/${root}" "${PROJECT_SOURCE_DIR}/${root}/*")
    foreach(entry ${entries})
        if(IS_DIRECTORY "${PROJECT_SOURCE_DIR}/${root}/${entry}" OR entry MATCHES "\\.h$")
            file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${root}/${entry}"
                "${OV_BUILD_INCLUDE_DIR}/OvCoordSystem/${entry}" SYMBOLIC)
        endif()
    endforeach()
endforeach()
