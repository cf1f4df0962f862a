# `cmake --install BUILD_DIR --prefix PREFIX` installs the programs, the
# desktop entry with its icon, the span file's MIME type, the metainfo and the manual page.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (exit code ${code}):\n${out}${err}")
endif()
foreach(file
        bin/tenrix
        bin/tenrix-calc
        share/applications/${APP_ID}.desktop
        share/icons/hicolor/scalable/apps/${APP_ID}.svg
        share/mime/packages/${APP_ID}.xml
        share/metainfo/${APP_ID}.metainfo.xml
        share/man/man1/tenrix-calc.1.gz)
    if(NOT EXISTS ${PREFIX}/${file})
        list(APPEND missing ${file})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "not installed: ${missing}")
endif()
# The installed command runs from its new place.
execute_process(COMMAND ${PREFIX}/bin/tenrix-calc --help RESULT_VARIABLE code OUTPUT_QUIET)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "the installed tenrix-calc --help ended with exit code ${code}")
endif()
