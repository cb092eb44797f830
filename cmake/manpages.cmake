# The manual pages, with the version filled in and gzipped as Debian installs
# them. gzip -n leaves out name and time stamp, so a page always packs to the same
# bytes.
find_program(ZEV_GZIP gzip REQUIRED)

set(ZEV_MANPAGES zev)
if(ZEV_GUI)
    list(APPEND ZEV_MANPAGES zev-manager)
endif()

set(ZEV_MANPAGES_GZ)
foreach(seite IN LISTS ZEV_MANPAGES)
    configure_file(man/${seite}.1 ${CMAKE_BINARY_DIR}/man/${seite}.1 @ONLY)
    set(gz ${CMAKE_BINARY_DIR}/man/gz/${seite}.1.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/man/${seite}.1 ${CMAKE_BINARY_DIR}/man/gz/${seite}.1
        COMMAND ${ZEV_GZIP} -9nf ${CMAKE_BINARY_DIR}/man/gz/${seite}.1
        DEPENDS ${CMAKE_BINARY_DIR}/man/${seite}.1
        COMMENT "Packing the manual page ${seite}(1)"
        VERBATIM)
    list(APPEND ZEV_MANPAGES_GZ ${gz})
endforeach()
add_custom_target(manpages ALL DEPENDS ${ZEV_MANPAGES_GZ})
install(FILES ${ZEV_MANPAGES_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
