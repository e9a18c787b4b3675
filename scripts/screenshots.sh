#!/usr/bin/env bash
# Starts the program on a virtual display, uses it through its menus and keys as
# a user would (xdotool), and saves the README's screenshots in docs/screenshots/:
#   main-selection.png   the main window with a selection of 10 A / 100 μH
#   calculator.png       the inductance calculator with a result
#   about.png            the About box
#   design.png           the design workbench opened from the selection's first line
#   design-maximised.png the same maximised, sorted by copper loss, another core picked
#   main-selection-en.png, calculator-en.png, design-en.png, about-en.png,
#   design-converter-en.png, design-ripple-en.png, report-en.png
#                        the same windows in English (the 语言/Language menu's
#                        choice), the buck walk and its report exported as a PDF
# Usage: scripts/screenshots.sh [program]   (default: builds and uses the release build)
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ${1:-} != --on-display ]]; then
  bash scripts/install-deps.sh
  app=${1:-}
  if [[ -z $app ]]; then
    bash scripts/build.sh release
    app=build/release/src/app/zovamagnetic
  fi
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" --on-display "$(realpath "$app")"
fi

app=$2
out=docs/screenshots
# The program's settings in a folder of the script's own: the language chosen
# here, not the user's.
settings=$(mktemp -d)
export XDG_CONFIG_HOME=$settings
language() { mkdir -p "$settings/zova"; printf '[General]\nlanguage=%s\n' "$1" >"$settings/zova/zovamagnetic.ini"; }
language zh
title=ZOVA磁芯设计工具
mkdir -p "$out"
shoot() { /usr/bin/import -window "$1" "$out/$2"; echo "saved $out/$2"; }  # ImageMagick's own import
pause() { sleep "${1:-0.7}"; }

# Starts the program and waits for its main window ($main), focused.
start() {
  "$app" &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT
  main=$(xdotool search --sync --onlyvisible --name "^$title\$" | head -1)
  xdotool windowfocus --sync "$main"
  pause 1.5
}

# Starts the program and runs a selection of 10 A / 100 μH. The selection
# window is open at start-up with the focus in the current box: current, Tab,
# inductance, Tab to the stack box, Tab to "磁芯选型", Space.
start_and_select() {
  start
  xdotool type --delay 80 10
  xdotool key Tab
  xdotool type --delay 80 100
  xdotool key Tab Tab space
  pause 2
}

start_and_select
shoot "$main" main-selection.png

# In the calculator, whose search box has the focus: search a core, Tab to the
# list and pick it with Space, then turns and current.
fill_calculator() {
  xdotool type --delay 80 ktb130060
  xdotool key Tab space
  pause
  xdotool key Tab
  xdotool type --delay 80 50
  xdotool key Tab
  xdotool type --delay 80 5
  pause 1.5
}

# 计算工具(&D) > 环形磁芯感量计算(&L).
xdotool key alt+d
pause
xdotool key l
pause 1.5
fill_calculator
shoot "$main" calculator.png

# 帮助(&H) > 关于(&A): a window of its own.
xdotool key alt+h
pause
xdotool key a
about=$(xdotool search --sync --onlyvisible --name '^关于磁芯计算软件$' | head -1)
pause 1.5
shoot "$about" about.png

# Esc closes the About box; 文件(&F) > 退出(&X) ends the program.
xdotool windowfocus --sync "$about"
xdotool key Escape
pause
xdotool windowfocus --sync "$main"
xdotool key alt+f
pause
xdotool key x
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "the program did not end after 文件 > 退出" >&2
  exit 1
fi
trap - EXIT
wait "$pid"
echo "the program ended after 文件 > 退出"

# Again, for the design workbench: the selection as before, a double click on
# its first line, then the workbench's maximise button and a larger main
# window; the copper-loss column's caption, the second row and the
# permeability tab. The positions are those of this 1280 x 800 display.
start_and_select
xdotool mousemove 60 243 click --repeat 2 --delay 80 1
pause 2
shoot "$main" design.png
xdotool mousemove 916 56 click 1
pause
xdotool windowsize "$main" 1280 800
pause 1.5
xdotool mousemove 1075 500 click 1
pause
xdotool mousemove 110 546 click 1
pause
xdotool mousemove 483 164 click 1
pause 1.5
shoot "$main" design-maximised.png
kill "$pid"
trap - EXIT

# Once more, the workbench's converter page: 计算工具(&D) > 设计分析(&E),
# maximised in a larger main window; buck 48 V -> 12 V, 10 A, 100 kHz, the ripple
# ratio left at 0.3; then its first candidate's L–I chart with the ripple band.
start
xdotool key alt+d
pause
xdotool key e
pause 2
xdotool mousemove 916 56 click 1
pause
xdotool windowsize "$main" 1280 800
pause 1.5
xdotool mousemove 557 164 click 1
pause
type_at() { xdotool mousemove "$1" "$2" click 1; xdotool type --delay 60 "$3"; }
type_at 1080 196 100
type_at 620 224 48
type_at 1080 224 12
type_at 620 252 10
xdotool mousemove 410 309 click 1
pause 2
shoot "$main" design-converter.png
xdotool mousemove 395 164 click 1
pause 1.5
shoot "$main" design-ripple.png
kill "$pid"
trap - EXIT

# The windows in English: the selection, then Tools (&T) > the calculator
# (&I) as above, then the workbench (&D) from the selection's run; Help (&H) >
# About (&A) first, while the main window has the focus.
language en
title="ZOVA Core Design Tool"
start_and_select
shoot "$main" main-selection-en.png
xdotool key alt+h
pause
xdotool key a
about=$(xdotool search --sync --onlyvisible --name '^About the core calculator$' | head -1)
pause 1.5
shoot "$about" about-en.png
xdotool windowfocus --sync "$about"
xdotool key Escape
pause
xdotool windowfocus --sync "$main"
xdotool key alt+t
pause
xdotool key i
pause 1.5
fill_calculator
shoot "$main" calculator-en.png
xdotool key alt+t
pause
xdotool key d
pause 2
shoot "$main" design-en.png
kill "$pid"
trap - EXIT

# The buck walk in English, as in Chinese above (the layout keeps its
# positions in both languages), then Project > Export report (PDF)...: the
# file dialog takes the PDF's path, whose first page becomes report-en.png.
start
xdotool key alt+t
pause
xdotool key d
pause 2
xdotool mousemove 916 56 click 1
pause
xdotool windowsize "$main" 1280 800
pause 1.5
xdotool mousemove 700 162 click 1
pause
type_at 1100 194 100
type_at 630 222 48
type_at 1100 222 12
type_at 630 250 10
xdotool mousemove 425 306 click 1
pause 2
shoot "$main" design-converter-en.png
xdotool mousemove 462 162 click 1
pause 1.5
shoot "$main" design-ripple-en.png
report=$(mktemp -d)/report-en.pdf
xdotool mousemove 30 28 click 1
pause
xdotool mousemove 97 117 click 1
pause 1.5
xdotool key ctrl+a
xdotool type --delay 30 "$report"
xdotool key Return
pause 2
pdftoppm -r 80 -png -singlefile "$report" "$out/report-en"
echo "saved $out/report-en.png"
kill "$pid"
trap - EXIT
rm -r "$settings" "$(dirname "$report")"
