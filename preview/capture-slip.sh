#!/usr/bin/env bash
# The demo slip as a real Win32 draws it: builds the slip's Windows program (the previewer's
# template and host code in a real window), runs it under Wine on a virtual display with code
# page 932, types a few keys into it and captures its window as docs/slip-wine.png.
#
#   preview/capture-slip.sh [KEYS]
set -euo pipefail
cd "$(dirname "$0")/.."
keys=${1:-"Enter Enter Space Enter Enter yamada Enter Enter 12 Enter Enter Down Down Enter 1200 Enter 1234.5 Enter Enter Down Enter hinode Enter Enter Down Enter Enter 2 Space Down Shift Enter Up Space"}

need=()
command -v import >/dev/null || need+=(imagemagick)
command -v xvfb-run >/dev/null || need+=(xvfb)
command -v wine >/dev/null || need+=(wine64)
command -v x86_64-w64-mingw32-g++ >/dev/null || need+=(mingw-w64)
# Wine draws Japanese text with a font of the system's that has it.
fc-list :lang=ja | grep -q . || need+=(fonts-ipafont-gothic)
if [ ${#need[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}" >/dev/null
fi

cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Debug \
    >/dev/null
cmake --build build-mingw -j2 --target slip >/dev/null
[ -d build-mingw/wineprefix ] || build-mingw/wine-test.sh --setup
# The templates' font, ＭＳ ゴシック, is the system's Japanese gothic here.
build-mingw/wine-test.sh reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' \
    /d "$(fc-list :lang=ja family | head -1 | cut -d, -f1)" /f >/dev/null

# The program prints the dialog's place once the keys are typed ("dialog WxH+X+Y").
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    build-mingw/wine-test.sh build-mingw/bin/slip.exe --keys "$1" > build-mingw/slip.out &
    for _ in $(seq 300); do
        grep -q "^dialog" build-mingw/slip.out && break
        sleep 0.1
    done
    sleep 1
    geometry=$(sed -n "s/^dialog //p" build-mingw/slip.out | tr -d "\r")
    import -window root -crop "$geometry" +repage docs/slip-wine.png
    WINEPREFIX="$PWD/build-mingw/wineprefix" wineserver -k
' capture "$keys"
echo "docs/slip-wine.png"
