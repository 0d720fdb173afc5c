# minizip's unzip interface, built as a static library from Debian's source package
# (fetched by scripts/install-deps into build/deps/minizip; never copied into this repository).
set(LP_MINIZIP_DIR ${CMAKE_SOURCE_DIR}/build/deps/minizip CACHE PATH "Debian minizip sources")
if(NOT EXISTS ${LP_MINIZIP_DIR}/unzip.c)
    message(FATAL_ERROR "minizip sources not found in ${LP_MINIZIP_DIR}: run scripts/install-deps")
endif()
add_library(lp_minizip STATIC
    ${LP_MINIZIP_DIR}/unzip.c ${LP_MINIZIP_DIR}/ioapi.c ${LP_MINIZIP_DIR}/iowin32.c)
target_include_directories(lp_minizip SYSTEM PUBLIC ${LP_MINIZIP_DIR})
target_compile_definitions(lp_minizip PUBLIC NOCRYPT NOUNCRYPT)
target_compile_options(lp_minizip PRIVATE -w)
target_link_libraries(lp_minizip PUBLIC z)
