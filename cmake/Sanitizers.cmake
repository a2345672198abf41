# AddressSanitizer (with leak checking) and UndefinedBehaviorSanitizer for the whole build.
if(TKP_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# The fuzzers' build: every library the fuzzers run through is instrumented for libFuzzer's
# coverage and for the same sanitizers, so that a fuzzer follows the code under its input.
if(TKP_BUILD_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
