#!/bin/sh
# The whole system on the bundled sample deck: the reader emulator serves
# data/cards/sample_deck.txt, sheetrun reads it unattended and hands every
# card to varenta, which scores it and writes the report to the printer
# work file. Headless when there is no display.
#
#   sheetrun/demo.sh [BIN_DIR] [DECK...]
# BIN_DIR defaults to build/default/bin (it must hold sheetrun, varenta,
# varenta.TXT, reader-emulator and libmarklink.so).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/default/bin}
[ $# -gt 0 ] && shift
[ $# -gt 0 ] || set -- "$root/data/cards/sample_deck.txt"

demo=$root/build/demo-cards
rm -rf "$demo"
mkdir -p "$demo/install" "$demo/subjects" "$demo/work"
# sheetrun reads varenta.ini beside itself and starts the varenta beside it.
cp "$bin/sheetrun" "$bin/varenta" "$bin/varenta.TXT" "$demo/install/"
# GRAPHIC=OFF leaves out the graphic profile window (a second per card).
printf '[Setup]\r\ndirectory=%s\r\nai=ON\r\ngraphic=%s\r\nconnect=ON\r\n[Reader]\r\ndelaytime=0\r\nreadertype=KR7700\r\n' \
  "$demo/subjects" "${GRAPHIC:-ON}" > "$demo/install/varenta.ini"

decks=
for deck in "$@"; do decks="$decks --deck $deck"; done
# shellcheck disable=SC2086
"$bin/reader-emulator" --socket "$demo/omr0" $decks > "$demo/emulator.log" 2>&1 &
emulator=$!
trap 'kill $emulator 2>/dev/null || true' EXIT
i=0
while [ ! -S "$demo/omr0" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
status=0
(cd "$demo/work" && MARKLINK_USB_PATH="$demo/omr%d" "$demo/install/sheetrun" --start) || status=$?

echo "sheetrun ended with status $status (0: the whole deck was read)"
echo "Subject files (Shift-JIS, CR LF) in $demo/subjects:"
for answers in "$demo"/subjects/*.VRT; do
  [ -e "$answers" ] || continue
  base=${answers%.VRT}
  echo "  $(basename "$base"): answers .VRT, remarks .REM, raw scores .RAW, standard scores .ZSC, interpretation .AIM"
done
echo "Report of the last card (printer work file): $demo/work/\$\$\$"
exit $status
