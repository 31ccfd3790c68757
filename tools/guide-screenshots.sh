#!/bin/bash
# Takes the user guide's pictures from the program itself: starts the built
# program (it builds nothing) under Xvfb with settings of its own, drives it
# with xdotool as a user would, and writes one PNG per window or panel.
#
#   tools/guide-screenshots.sh [--lang LANG] [--out DIR] [--prefix P] [BUILD]
#
# BUILD is the build folder (build/). By default the pictures go, in
# Japanese, to resources/guide/images/; --lang en_US.UTF-8 --out DIR
# --prefix en- takes the English windows instead.
#
# Needs xvfb, xdotool, imagemagick and x11-utils; pngquant makes the pictures
# smaller when it is there. Clicks are given in each window's own pixels
# (the windows are laid out by the program, not by this script), so when a
# window's layout changes, look at the pictures and adjust the places below.

set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
out=$here/resources/guide/images
prefix=
lang=ja_JP.UTF-8
while [ $# -gt 0 ]; do
    case $1 in
    --lang) lang=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --prefix) prefix=$2; shift 2 ;;
    -h | --help) sed -n '2,16p' "$0"; exit 0 ;;
    *) build=$1; shift ;;
    esac
done
program=$build/bin/porkane
[ -x "$program" ] || { echo "no program at $program: build it first (make build)" >&2; exit 1; }
for tool in Xvfb xdotool import convert xwininfo xprop; do
    command -v $tool >/dev/null || { echo "$tool is missing (make guide-screenshots installs it)" >&2; exit 1; }
done
mkdir -p "$out"

# Inside Xvfb: the script runs itself again with the display set.
if [ -z "${GUIDE_SHOTS_INSIDE:-}" ]; then
    export GUIDE_SHOTS_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" "$0" --lang "$lang" --out "$out" --prefix "$prefix" "$build"
fi

work=$(mktemp -d)
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    # GUIDE_SHOTS_KEEP=1 keeps the settings, files and the program's output.
    if [ -n "${GUIDE_SHOTS_KEEP:-}" ]; then echo "kept $work" >&2; else rm -rf "$work"; fi
}
trap cleanup EXIT

# Window titles as the program shows them in each language.
case $lang in
en*)
    t_menu='Porkane  ver' t_designer='Template Designer' t_editor='Label Text' t_format='Text Format'
    t_paste='Paste Picture' t_printer='Printer Setup' t_about='About Porkane' t_open='Open File'
    t_save='Save As' t_products='Choose a Product' t_grid='Grid Layout' t_preview='Print Preview' t_barcode='Barcode' ;;
*)
    t_menu='ぽるかね  ver' t_designer='フォームの設定' t_editor='文字入力' t_format='書式設定'
    t_paste='画像の貼り付け' t_printer='プリンタの設定' t_about='ぽるかねについて' t_open='ファイルを開く'
    t_save='名前を付けて保存' t_products='製品から選ぶ' t_grid='格子で配置' t_preview='印刷プレビュー' t_barcode='バーコード作成' ;;
esac

# --- The program's settings and files for the pictures -----------------------

config=$work/config
data=$config/porkane
mkdir -p "$data" "$work/files"
crlf() { printf '%s\r\n' "$@"; }
# porkane.INI in twips (15 to a pixel): main menu, designer, designer zoom,
# editor, picture dialog.
crlf ' 3000 ' ' 6000 ' ' 5150 ' \
    ' 1500 ' ' 1500 ' ' 10950 ' ' 9600 ' ' 1 ' \
    ' 450 ' ' 450 ' ' 21300 ' ' 12900 ' \
    ' 4500 ' ' 2250 ' ' 0 ' ' 0 ' >"$data/porkane.INI"
# DefMog.INI: the text typed in, IPA P Gothic 12 × 16, black, no effects.
crlf ' 0 ' ' 12 ' ' 16 ' ' 0 ' ' 1 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' 'IPAPGothic' ' 900 ' \
    ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' >"$data/DefMog.INI"

# An A4 sheet of ten address labels, 90 × 50 mm, two columns of five.
fom=$work/files/address-10.fom
{
    crlf ' 210 ' ' 297 ' ' 10 '
    for row in 0 1 2 3 4; do
        for left in 15 105; do
            crlf " $((23 + row * 51))  $left  90  50  6  6 "
        done
    done
} >"$fom"
# A picture to paste: the program's icon.
picture=$work/files/porkane.png
if command -v rsvg-convert >/dev/null; then
    rsvg-convert --width 160 --height 160 --output "$picture" "$here/resources/porkane.svg"
else
    convert -background none -density 150 "$here/resources/porkane.svg" -resize 160x160 "$picture"
fi

# --- Driving the program -------------------------------------------------------

# The program's newest visible window whose title holds the text. Titles
# are read as UTF-8 (_NET_WM_NAME) and compared byte for byte.
find_window() {
    local id found=
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        case $(xprop -id "$id" _NET_WM_NAME 2>/dev/null) in *"$1"*) found=$id ;; esac
    done
    [ -n "$found" ] && echo "$found"
}
window() {
    local id
    for _ in $(seq 100); do
        if id=$(find_window "$1"); then
            sleep 0.6
            echo "$id"
            return
        fi
        sleep 0.2
    done
    echo "no window \"$1\" appeared; the program said:" >&2
    cat "$work/program.log" >&2
    exit 1
}
gone() { for _ in $(seq 50); do find_window "$1" >/dev/null || return 0; sleep 0.2; done; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || true; xdotool mousemove --window "$1" 20 10; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.3; }
key() { xdotool key "$@"; sleep 0.3; }
# Types a path into the program's file dialog.
choose_file() {
    local dialog
    dialog=$(window "$1")
    focus "$dialog"
    key ctrl+a
    type_text "$2"
    key Return
    gone "$1"
}

# A window or a part of it (WxH+X+Y in the window) as a small PNG.
shot() {
    local id=$1 name=$2 crop=${3:-}
    local file=$out/$prefix$name.png
    import -window "$id" "$work/shot.png"
    if [ -n "$crop" ]; then
        convert "$work/shot.png" -crop "$crop" +repage "$work/shot.png"
    fi
    # The rounded corners outside the window's shape are left transparent.
    convert "$work/shot.png" -strip "$file"
    if command -v pngquant >/dev/null; then
        pngquant --force --skip-if-larger --quality 85-100 --output "$file" "$file" || true
    fi
    echo "$file"
}
# Where two pictures of one window differ most (WxH+X+Y): the bounding box
# of the largest changed area, grown by a margin. The panel that appeared
# between them, leaving out smaller changes elsewhere (a button greyed).
changed_area() {
    convert "$1" "$2" -compose difference -composite -colorspace gray -threshold 3% \
        -morphology Close Disk:4 -define connected-components:verbose=true \
        -connected-components 8 null: |
        awk '$NF == "gray(255)" && $4 > best { best = $4; box = $2 } END { print box }' |
        awk -F'[x+]' -v m=6 '{ printf "%dx%d+%d+%d", $1 + 2*m, $2 + 2*m, $3 - m, $4 - m }'
}

export XDG_CONFIG_HOME=$config XDG_DATA_HOME=$work/share XDG_RUNTIME_DIR=$work
# Only the program runs in the chosen language: the tools here match titles
# byte for byte, whatever locales the machine has.
env LANG="$lang" LC_ALL= LC_MESSAGES= "$program" >"$work/program.log" 2>&1 &
app=$!

# Main menu (its buttons: 75 × 35 pixels from (21, 42), 75 apart, rows 53 apart).
menu=$(window "$t_menu")
shot "$menu" main-menu
menu_button() { click "$menu" $((21 + ($1 % 4) * 75 + 37)) $((42 + ($1 / 4) * 53 + 17)); }

# About box.
menu_button 7
about=$(window "$t_about")
shot "$about" about
key --window "$about" Escape 2>/dev/null || true
xdotool mousemove --window "$about" 5 5
click "$about" $(($(xwininfo -id "$about" | awk '/Width:/ { print $2 }') - 20)) 14
gone "$t_about"

# Printer setup.
menu_button 5
printer=$(window "$t_printer")
shot "$printer" printer-setup
focus "$printer"
key Escape
gone "$t_printer"

# Format settings of the main menu.
menu_button 4
format=$(window "$t_format")
shot "$format" format
focus "$format"
key Escape
sleep 0.5
if find_window "$t_format" >/dev/null; then
    # Its own close button (取消), bottom right of its toolbar.
    format=$(window "$t_format")
    click "$format" $(($(xwininfo -id "$format" | awk '/Width:/ { print $2 }') - 40)) 40
fi
gone "$t_format"

# The designer on the address template (ﾃﾝﾌﾟﾚｰﾄ設定).
menu_button 6
choose_file "$t_open" "$fom"
designer=$(window "$t_designer")
shot "$designer" designer
designer_w=$(xwininfo -id "$designer" | awk '/Width:/ { print $2 }')
# 製品から選ぶ and 格子で配置, the first two buttons at the right of its toolbar.
click "$designer" $((designer_w - 218)) 55
products=$(window "$t_products")
focus "$products"
type_text "L7160"
key Down
sleep 0.5
shot "$products" products
key Escape
gone "$t_products"
click "$designer" $((designer_w - 135)) 55
grid=$(window "$t_grid")
shot "$grid" grid
focus "$grid"
key Escape
gone "$t_grid"
# Its close button (閉じる), the third of its toolbar.
click "$designer" 216 55
gone "$t_designer"

# The editor on a new document from the template (ﾃﾝﾌﾟﾚｰﾄを開く).
menu=$(window "$t_menu")
menu_button 3
choose_file "$t_open" "$fom"
editor=$(window "$t_editor")
# The sheet at zoom 1 (96 pixels to the inch), its top-left corner at
# (sheet_x, sheet_y) in the editor.
sheet_x=483 sheet_y=102
mm() { echo $((($1 * 96 * 10 + 127) / 254)); }
sheet_point() { echo $((sheet_x + $(mm "$1"))) $((sheet_y + $(mm "$2"))); }
label_at() { click "$editor" $(sheet_point "$1" "$2"); }
label_at 60 48
type_text "〒100-0001"
key Return
type_text "東京都千代田区千代田1-1"
key Return Return
type_text "山田 太郎 様"
label_at 150 48
type_text "〒530-0001"
key Return
type_text "大阪府大阪市北区梅田1-1"
key Return Return
type_text "佐藤 花子 様"
label_at 60 99
type_text "ぽるかね"
sleep 0.5
shot "$editor" editor

# The last line of label 1 selected: the panel that changes formats, with
# the selection's formats taken by 文字属性コピー (the toolbar's last button).
label_at 60 48
key ctrl+End shift+Home
click "$editor" 536 53
shot "$editor" editor-change-format 470x320+10+545
key ctrl+End

# A character Shift-JIS cannot hold is refused, in red under the text box.
type_text "鷗"
sleep 0.5
shot "$editor" refused-character 460x90+8+450

# The picture dialog, with the icon read from its file.
click "$editor" 368 53
paste=$(window "$t_paste")
# ファイルから読み込む: the first button of 画像の読み込み, right of the preview.
paste_w=$(xwininfo -id "$paste" | awk '/Width:/ { print $2 }')
click "$paste" $((paste_w - 150)) 135
choose_file "$t_open" "$picture"
paste=$(window "$t_paste")
shot "$paste" pictures
# バーコード作成, under the two load buttons; a JAN-13 typed in, then closed.
click "$paste" $((paste_w - 150)) 217
barcode=$(window "$t_barcode")
focus "$barcode"
# Its data field, right of ・データ.
click "$barcode" 200 155
type_text "490123456789"
sleep 0.5
shot "$barcode" barcode
key Escape
gone "$t_barcode"
paste=$(window "$t_paste")
# O K, the first button of the dialog's toolbar.
click "$paste" 50 55
gone "$t_paste"
# The picture comes at the sheet's top-left corner: dragged into label 4,
# then a click on label 3 leaves it unselected.
read -r from_x from_y <<<"$(sheet_point 20 20)"
read -r to_x to_y <<<"$(sheet_point 150 90)"
xdotool mousemove --window "$editor" "$from_x" "$from_y" mousedown 1
for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove --window "$editor" $((from_x + (to_x - from_x) * step / 8)) $((from_y + (to_y - from_y) * step / 8))
    sleep 0.1
done
xdotool mouseup 1
sleep 0.5
label_at 60 110
shot "$editor" editor-picture

# The print panel: the largest part of the editor that changed when it
# opened.
import -window "$editor" "$work/before.png"
click "$editor" 110 53
sleep 1
import -window "$editor" "$work/after.png"
panel=$(changed_area "$work/before.png" "$work/after.png")
shot "$editor" print "$panel"

# The print preview: 印刷プレビュー, the middle of the panel's five buttons.
read -r panel_w panel_h panel_x panel_y <<<"$(echo "$panel" | awk -F'[x+]' '{ print $1, $2, $3, $4 }')"
click "$editor" $((panel_x + panel_w / 2)) $((panel_y + panel_h - 45))
preview=$(window "$t_preview")
shot "$preview" print-preview
convert "$out/${prefix}print-preview.png" -resize '900x>' "$out/${prefix}print-preview.png"
focus "$preview"
key Escape
gone "$t_preview"

# Merge printing: 差し込み印刷 with an address list of twelve rows.
list=$work/files/address.csv
{
    echo '郵便番号,住所,氏名'
    for n in $(seq 1 12); do echo "100-00$((10 + n)),東京都千代田区千代田$n-1,山田 太郎$n"; done
} >"$list"
import -window "$editor" "$work/before.png"
click "$editor" $((panel_x + 178)) $((panel_y + 223))
click "$editor" $((panel_x + panel_w - 78)) $((panel_y + 247))
choose_file "$t_open" "$list"
sleep 0.5
shot "$editor" merge "$panel"

echo "pictures written to $out" >&2
