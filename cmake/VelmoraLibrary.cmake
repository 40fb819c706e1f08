# velmora_library(name [NO_QT] HEADERS public.h... SOURCES ... [PUBLIC lib...] [PRIVATE lib...])
#
# One static library per source folder. Its public headers, and only those,
# are linked into an include directory of their own in the build tree, and
# that is all a library that links it can include: the folder's other
# headers are its own business, and including one from elsewhere fails to
# compile. NO_QT libraries link no Qt, so a Qt header there fails too.
function(velmora_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "NO_QT" "" "HEADERS;SOURCES;PUBLIC;PRIVATE")
    add_library(${name} STATIC ${arg_HEADERS} ${arg_SOURCES})
    set(include ${PROJECT_BINARY_DIR}/include/${name})
    file(REMOVE_RECURSE ${include})
    file(MAKE_DIRECTORY ${include})
    foreach(header IN LISTS arg_HEADERS)
        get_filename_component(file ${header} NAME)
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${include}/${file} SYMBOLIC)
    endforeach()
    target_include_directories(${name} PUBLIC ${include} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${arg_PUBLIC} PRIVATE ${arg_PRIVATE})
    # Its tests may look inside.
    set_target_properties(${name} PROPERTIES VELMORA_SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    if(arg_NO_QT)
        set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    endif()
endfunction()
