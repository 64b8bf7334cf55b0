# The programs for Windows (cross-built with mingw-w64, see windows/mingw-w64.cmake) and their
# release folder. `cmake --install BUILD --component windows --prefix DIR` puts into DIR what a
# Windows user runs: kmtx.exe and kmtx-export.exe with the icon and version in each, the DLLs
# they load (found by reading the programs' and plugins' imports, not from a list), the
# platform plugin, Qt's Japanese translations, the help and the licences.

# Folders holding the DLLs a program may import: Qt's, the compiler's runtime and the Windows
# system's own (Wine's copies, which identify the DLLs every Windows has; those are left out).
set(KMTX_WINDOWS_SYSTEM_DLLS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows
    CACHE PATH "Folder of the Windows system DLLs (Wine's)")

get_target_property(KMTX_QT_CORE_DLL Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(KMTX_QT_BIN ${KMTX_QT_CORE_DLL} DIRECTORY)
# Qt's Japanese translations, where windows/build-qt.sh put them beside Qt.
get_filename_component(KMTX_QT_TRANSLATIONS ${KMTX_QT_BIN}/../translations ABSOLUTE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE KMTX_LIBSTDCXX OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(KMTX_GCC_DLLS ${KMTX_LIBSTDCXX} DIRECTORY)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE KMTX_WINPTHREAD OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(KMTX_MINGW_DLLS ${KMTX_WINPTHREAD} DIRECTORY)
set(KMTX_DLL_FOLDERS ${KMTX_QT_BIN} ${KMTX_GCC_DLLS} ${KMTX_MINGW_DLLS})

# The programs of the release: the venue server too where Qt HTTP Server was built for Windows
# (windows/build-qt.sh builds it when Debian's source of it can be fetched).
set(KMTX_WINDOWS_PROGRAMS kmtx kmtx-export)
if(TARGET kmtx-venue)
    list(APPEND KMTX_WINDOWS_PROGRAMS kmtx-venue)
endif()
add_custom_target(windows-programs)
add_dependencies(windows-programs ${KMTX_WINDOWS_PROGRAMS})

# The icon, version and manifest of each program; the window has no console.
set(KMTX_ICO ${PROJECT_SOURCE_DIR}/data/kmtx.ico)
foreach(KMTX_PROGRAM ${KMTX_WINDOWS_PROGRAMS})
    if(KMTX_PROGRAM STREQUAL kmtx)
        set(KMTX_DESCRIPTION "くみっとEX")
    elseif(KMTX_PROGRAM STREQUAL kmtx-export)
        set(KMTX_DESCRIPTION "くみっとEX 表の書き出し")
    else()
        set(KMTX_DESCRIPTION "くみっとEX 会場ネットワーク")
    endif()
    set(KMTX_MANIFEST ${CMAKE_BINARY_DIR}/${KMTX_PROGRAM}.manifest)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/program.manifest.in ${KMTX_MANIFEST} @ONLY)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/program.rc.in ${CMAKE_BINARY_DIR}/${KMTX_PROGRAM}.rc @ONLY)
    target_sources(${KMTX_PROGRAM} PRIVATE ${CMAKE_BINARY_DIR}/${KMTX_PROGRAM}.rc)
    set_source_files_properties(${CMAKE_BINARY_DIR}/${KMTX_PROGRAM}.rc PROPERTIES OBJECT_DEPENDS
                                "${KMTX_MANIFEST};${KMTX_ICO}")
endforeach()
set_target_properties(kmtx PROPERTIES WIN32_EXECUTABLE ON)

# The release folder: everything beside the programs, as Windows programs are laid out.
install(TARGETS ${KMTX_WINDOWS_PROGRAMS} RUNTIME DESTINATION . COMPONENT windows)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms COMPONENT windows)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin LIBRARY DESTINATION styles COMPONENT windows)
install(FILES ${KMTX_QT_TRANSLATIONS}/qtbase_ja.qm DESTINATION translations COMPONENT windows)
install(FILES data/KmtxHlp.html ${KMTX_ICO} DESTINATION . COMPONENT windows)
# The licences: the programs' own and the notices of Qt, the libraries bundled in it and the
# compiler's runtime (licenses/README.txt says which is which).
install(DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/licenses/ DESTINATION licenses COMPONENT windows)
install(FILES LICENSE DESTINATION licenses RENAME Kmtx.txt COMPONENT windows)

# The DLLs the programs and plugins import, found by CMake reading their imports (and the
# imports of those) with objdump. CMake looks a DLL up by its name in lower case, as Windows
# does, but these folders are on Linux where case counts: it looks in a folder of links named
# in lower case, and the release keeps each DLL's own name. Windows' own DLLs stay out.
set(KMTX_DLL_LINKS ${CMAKE_BINARY_DIR}/dll-links)
file(REMOVE_RECURSE ${KMTX_DLL_LINKS})
file(MAKE_DIRECTORY ${KMTX_DLL_LINKS})
foreach(folder ${KMTX_DLL_FOLDERS})
    file(GLOB dlls ${folder}/*.dll)
    foreach(dll ${dlls})
        get_filename_component(name ${dll} NAME)
        string(TOLOWER ${name} name)
        file(CREATE_LINK ${dll} ${KMTX_DLL_LINKS}/${name} SYMBOLIC)
    endforeach()
endforeach()
set(KMTX_PROGRAM_FILES)
foreach(program ${KMTX_WINDOWS_PROGRAMS})
    string(APPEND KMTX_PROGRAM_FILES " \"$<TARGET_FILE:${program}>\"")
endforeach()
install(CODE "
    file(GET_RUNTIME_DEPENDENCIES
        RESOLVED_DEPENDENCIES_VAR dlls UNRESOLVED_DEPENDENCIES_VAR missing
        EXECUTABLES ${KMTX_PROGRAM_FILES}
        MODULES \"$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>\" \"$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>\"
        DIRECTORIES \"${KMTX_DLL_LINKS}\" \"${KMTX_WINDOWS_SYSTEM_DLLS}\"
        PRE_EXCLUDE_REGEXES \"^api-ms-\" \"^ext-ms-\"
        POST_EXCLUDE_REGEXES \"^${KMTX_WINDOWS_SYSTEM_DLLS}/\")
    if(missing)
        message(FATAL_ERROR \"DLLs not found: \${missing}\")
    endif()
    foreach(dll \${dlls})
        file(REAL_PATH \${dll} dll)
        file(INSTALL \${dll} DESTINATION \${CMAKE_INSTALL_PREFIX})
    endforeach()
" COMPONENT windows)

# Tests run the programs from the build folder: the DLLs are found through WINEPATH
# (./build.sh windows-test sets it from this file).
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/winepath.txt CONTENT "${KMTX_DLL_FOLDERS}")
