# Tests of a Windows cross build run under Wine: CTest starts each test program through a
# wrapper (wine-test.sh) that runs it in a Wine prefix of this build folder, with code page 932.
# The prefix is made by a setup test that every test program needs. Run them inside one X display:
#   xvfb-run -a ctest --test-dir build-mingw --output-on-failure
# The benchmarks of a Windows build run through the same wrapper, after "wine-test.sh --setup".
find_program(TKP_WINE wine)
if(NOT TKP_WINE)
    message(STATUS "Wine not found: the Windows programs will not run here")
    return()
endif()

# The mingw runtime DLLs the programs need, found where the cross compiler of this bitness keeps
# them (the 32-bit one unwinds with DWARF, the 64-bit one with SEH). 32-bit programs need Wine's
# 32-bit part (wine32).
set(TKP_WINE_PATH "")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(folder "${path}" DIRECTORY)
    if(IS_ABSOLUTE "${folder}")
        list(APPEND TKP_WINE_PATH "${folder}")
    endif()
endforeach()
list(REMOVE_DUPLICATES TKP_WINE_PATH)
set(TKP_WINE_PREFIX "${CMAKE_BINARY_DIR}/wineprefix")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-test.sh.in ${CMAKE_BINARY_DIR}/wine-test.sh
               @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
               GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-test.sh)
set(TKP_WINE_TESTS ON)
