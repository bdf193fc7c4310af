# corvana_add_type_library(<target> <idl>): compiles the IDL with widl into <name>.tlb and <name>.h
# in the current binary folder, behind the custom target <target>.
set(CORVANA_WINE_IDL_DIR /usr/include/wine/wine/windows)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  find_program(WIDL x86_64-w64-mingw32-widl REQUIRED)
  set(CORVANA_WIDL_TARGET --win64)
  set(CORVANA_WINE_TLB_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
else()
  find_program(WIDL i686-w64-mingw32-widl REQUIRED)
  set(CORVANA_WIDL_TARGET --win32)
  set(CORVANA_WINE_TLB_DIR /usr/lib/i386-linux-gnu/wine/i386-windows)
endif()

function(corvana_add_type_library target idl)
  get_filename_component(name ${idl} NAME_WE)
  set(tlb ${CMAKE_CURRENT_BINARY_DIR}/${name}.tlb)
  set(header ${CMAKE_CURRENT_BINARY_DIR}/${name}.h)
  add_custom_command(
    OUTPUT ${tlb} ${header}
    COMMAND ${WIDL} ${CORVANA_WIDL_TARGET} -I${CORVANA_WINE_IDL_DIR} -L${CORVANA_WINE_TLB_DIR} -t -T ${tlb} -h -H ${header} ${idl}
    DEPENDS ${idl}
    COMMENT "Type library ${name}"
    VERBATIM)
  add_custom_target(${target} DEPENDS ${tlb} ${header})
endfunction()
