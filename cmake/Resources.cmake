# tkp_add_resources(<target> <script.rc>): compiles a resource script (UTF-8 text) with a real resource
# compiler and makes the compiled resources part of the target's module, where FindResource
# finds them by type and name.
#
# On Windows the script goes through the toolchain's resource compiler into the module's
# resource section. Elsewhere llvm-rc compiles it to a .res file, which is carried inside the
# module as an ELF note (section .note.win32.resources), found again through the module
# handle, as a PE image carries its resources in .rsrc.
function(tkp_add_resources target script)
    get_filename_component(script "${script}" ABSOLUTE)
    get_filename_component(name "${script}" NAME_WE)
    get_filename_component(folder "${script}" DIRECTORY)
    file(GLOB inputs LIST_DIRECTORIES false CONFIGURE_DEPENDS "${folder}/*")
    if(WIN32)
        # A source's own options reach the resource compiler; a target's are filtered down to
        # -D and -I for it.
        if(CMAKE_RC_COMPILER MATCHES "windres")
            set(utf8_option --codepage=65001)
        else()
            set(utf8_option /c65001) # rc.exe, llvm-rc
        endif()
        target_sources(${target} PRIVATE "${script}")
        set_source_files_properties("${script}" PROPERTIES COMPILE_OPTIONS "${utf8_option}"
                                                           OBJECT_DEPENDS "${inputs}")
        return()
    endif()
    set(res "${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}.res")
    set(asm "${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}_res.S")
    tkp_resource_file_command("${script}" "${res}" DEPENDS ${inputs})
    set(TKP_RES_FILE "${res}")
    configure_file("${TKP_CMAKE_DIR}/resources.S.in" "${asm}" @ONLY)
    set_source_files_properties("${asm}" PROPERTIES OBJECT_DEPENDS "${res}")
    target_sources(${target} PRIVATE "${asm}")
endfunction()
set(TKP_CMAKE_DIR "${CMAKE_CURRENT_LIST_DIR}")

# tkp_resource_file_command(<script.rc> <output.res> [INCLUDE dir...] [DEPENDS file...]): the
# custom command that compiles a resource script (UTF-8 text) to a compiled resource file of its
# own, with llvm-rc here and the toolchain's windres for Windows builds. The script's own folder
# and the INCLUDE folders are searched for its #include files.
function(tkp_resource_file_command script res)
    cmake_parse_arguments(ARG "" "" "INCLUDE;DEPENDS" ${ARGN})
    get_filename_component(name "${script}" NAME)
    get_filename_component(folder "${script}" DIRECTORY)
    if(WIN32)
        set(includes "")
        foreach(dir ${folder} ${ARG_INCLUDE})
            list(APPEND includes -I "${dir}")
        endforeach()
        set(compile ${CMAKE_RC_COMPILER} --codepage=65001 ${includes} -i "${script}" -O res
                    -o "${res}")
    else()
        find_program(TKP_LLVM_RC NAMES llvm-rc llvm-rc-14 REQUIRED)
        set(includes "")
        foreach(dir ${folder} ${ARG_INCLUDE})
            list(APPEND includes /I "${dir}")
        endforeach()
        # llvm-rc reads any argument beginning with '/' as an option, so an absolute script path
        # such as /checkout/... would be taken for /c; "--" ends the options before it.
        set(compile ${TKP_LLVM_RC} /C 65001 /FO "${res}" ${includes} -- "${script}")
    endif()
    add_custom_command(OUTPUT "${res}" COMMAND ${compile} DEPENDS "${script}" ${ARG_DEPENDS}
                       COMMENT "Compiling resources ${name}" VERBATIM)
endfunction()
