# Warnings every target of the project is built with.
function(tkp_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
                                             -Wno-unused-parameter)
    # The controller's destructor is not virtual although Init is, as its exported layout has
    # it; hosts delete it by its own type, which clang would report at every delete.
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        target_compile_options(${target} PRIVATE -Wno-delete-non-abstract-non-virtual-dtor)
    endif()
    if(TKP_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
