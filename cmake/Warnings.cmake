# Warnings every target of the project is built with.
function(tkp_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
                                             -Wno-unused-parameter)
    if(TKP_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
