# AddressSanitizer (with leak checking) and UndefinedBehaviorSanitizer for the whole build.
if(TKP_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
