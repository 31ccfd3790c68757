#!/usr/bin/env bash
# Checks a built porkane_*.deb as Debian and a desktop would see it.
#
#   check-package.sh [--install | --install-only] [--screenshot PNG] [DEB]
#
# Without --install it only reads the package: its name, dependencies and
# files, the desktop entry, the file types and their magic, the icons, the
# AppStream data, the manual pages, and lintian. With --install (root, and a
# machine it may change) it also installs the package with apt, runs
# porkane-tool, starts the program under Xvfb on a template given as the
# desktop gives it, takes a screenshot, purges the package and looks for
# anything left behind. --install-only skips the reading part and its tools,
# for a bare machine that should get nothing but the package and Xvfb.
#
# DEB defaults to $PORKANE_TEST_PACKAGE; PORKANE_TEST_PACKAGE_INSTALL=1 means
# --install. Without a package the check is skipped (exit 77, as ctest
# expects).
set -euo pipefail

install=${PORKANE_TEST_PACKAGE_INSTALL:-0}
static=1
screenshot=
deb=${PORKANE_TEST_PACKAGE:-}
while [ $# -gt 0 ]; do
  case $1 in
    --install) install=1 ;;
    --install-only) install=1; static=0 ;;
    --screenshot) screenshot=$2; shift ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) deb=$1 ;;
  esac
  shift
done
if [ -z "$deb" ]; then
  echo "no package given (PORKANE_TEST_PACKAGE): skipped"
  exit 77
fi
[ -f "$deb" ] || { echo "no such package: $deb" >&2; exit 1; }
deb=$(realpath "$deb")

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
need() { command -v "$1" >/dev/null || { echo "missing tool $1 (Debian package $2)" >&2; exit 1; }; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(dpkg-deb -f "$deb" Version)
# A template of one 20 mm label, as the designer writes it.
printf ' 100 \r\n 100 \r\n 1 \r\n 0  0  20  20  0  0 \r\n' > "$work/sheet.fom"

if [ "$static" = 1 ]; then
for tool in dpkg-deb:dpkg file:file desktop-file-validate:desktop-file-utils appstreamcli:appstream \
            update-mime-database:shared-mime-info gio:libglib2.0-bin man:man-db lintian:lintian xmllint:libxml2-utils; do
  need "${tool%%:*}" "${tool#*:}"
done

# --- The package's name and fields -------------------------------------
package=$(dpkg-deb -f "$deb" Package)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$package" = porkane ] && pass "package name" || fail "package is named $package"
[ "$(basename "$deb")" = "porkane_${version}_${arch}.deb" ] && pass "file name $(basename "$deb")" \
  || fail "file $(basename "$deb") is not porkane_${version}_${arch}.deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Data packages we name, and libraries dpkg-shlibdeps found in the binaries.
for wanted in fonts-ipafont glabels-data qt6-qpa-plugins libqt6widgets6 libqt6svg6 libc6; do
  grep -Eq "(^|, )$wanted( |,|$)" <<<"$depends" && pass "depends on $wanted" || fail "does not depend on $wanted"
done

# --- Its files -----------------------------------------------------------
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -c "$deb" > "$work/contents"
share=$work/root/usr/share
expected="usr/bin/porkane usr/bin/porkane-tool
usr/share/applications/porkane.desktop usr/share/mime/packages/porkane.xml usr/share/metainfo/porkane.metainfo.xml
usr/share/man/man1/porkane.1.gz usr/share/man/man1/porkane-tool.1.gz
usr/share/doc/porkane/copyright usr/share/doc/porkane/changelog.gz
usr/share/icons/hicolor/scalable/apps/porkane.svg
usr/share/porkane/guide/index.html usr/share/porkane/guide/print.html usr/share/porkane/guide/images/editor.png
usr/share/porkane/translations/porkane_en.qm"
for size in 16 22 24 32 48 64 128 256; do
  expected+=" usr/share/icons/hicolor/${size}x${size}/apps/porkane.png"
  for kind in label form; do
    expected+=" usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-porkane-$kind.png"
  done
done
missing=0
for path in $expected; do
  [ -f "$work/root/$path" ] || { fail "missing /$path"; missing=1; }
done
[ $missing = 0 ] && pass "every expected file is there"
# Everything belongs to root and no one else may write it.
if awk '$2 != "root/root" || $1 ~ /^.....w|^........w/ { bad = 1; print "  " $0 } END { exit !bad }' "$work/contents"; then
  fail "files not owned by root or writable by others"
fi
for binary in porkane porkane-tool; do
  info=$(file -b "$work/root/usr/bin/$binary")
  grep -q "ELF.*, stripped" <<<"$info" && pass "$binary is stripped" || fail "$binary: $info"
done
wrong=0
for png in "$share"/icons/hicolor/*x*/*/*.png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  [[ $(file -b "$png") == "PNG image data, ${size/x/ x },"* ]] || { fail "$png is not a $size picture"; wrong=1; }
done
[ $wrong = 0 ] && pass "icon pictures have their folder's size"

# --- Desktop entry, AppStream data ----------------------------------------
desktop-file-validate "$share/applications/porkane.desktop" && pass "desktop entry valid" || fail "desktop entry invalid"
grep -qx 'Exec=porkane %f' "$share/applications/porkane.desktop" || fail "the desktop entry does not hand over a file"
for type in application/x-porkane-label application/x-porkane-form; do
  grep -q "^MimeType=.*$type;" "$share/applications/porkane.desktop" || fail "the desktop entry does not open $type"
done
# The only warning left is that the id is not a reverse domain name: that
# needs a domain the project owns (the desktop file would be renamed too).
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info "$share/metainfo/porkane.metainfo.xml" \
  && pass "AppStream data valid" || fail "AppStream data invalid"

# --- File types: the globs and the label file's magic ----------------------
xmllint --noout "$share/mime/packages/porkane.xml" || fail "MIME XML not well formed"
mkdir -p "$work/mime/packages" "$work/home"
cp "$share/mime/packages/porkane.xml" "$work/mime/packages/"
XDG_DATA_DIRS=$work:/usr/share update-mime-database "$work/mime" || fail "update-mime-database refused the MIME XML"
# A label archive: one member ptextdat.baf of 4 bytes, as the program packs it.
printf '\001\000\000\000\000\000\000\000\000\000\014\000ptextdat.baf\004\000\000\000 20 \000' > "$work/label.fhl"
cp "$work/label.fhl" "$work/label-without-suffix"
printf 'ptextdat.baf' > "$work/not-a-label"
content_type() {
  XDG_DATA_HOME=$work/home XDG_DATA_DIRS=$work:/usr/share gio info -a standard::content-type "$1" |
    sed -n 's/^ *standard::content-type: //p'
}
check_type() {
  local got; got=$(content_type "$1")
  [ "$got" = "$2" ] && pass "$(basename "$1") is $2" || fail "$(basename "$1") is $got, not $2"
}
check_type "$work/label.fhl" application/x-porkane-label
check_type "$work/label-without-suffix" application/x-porkane-label
check_type "$work/sheet.fom" application/x-porkane-form
[ "$(content_type "$work/not-a-label")" != application/x-porkane-label ] && pass "a name alone is no label file" \
  || fail "a file holding only the member name is taken for a label file"

# --- Manual pages ----------------------------------------------------------
for page in porkane porkane-tool; do
  gz=$share/man/man1/$page.1.gz
  [[ $(file -b "$gz") == *"max compression"* ]] || fail "$page.1.gz is not compressed at the strongest level"
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$gz" 2>&1 >/dev/null || true)
  [ -z "$warnings" ] && pass "$page(1) formats without warnings" || fail "$page(1): $warnings"
done
LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$share/man/man1/porkane-tool.1.gz" > "$work/tool-page.txt" 2>/dev/null
commands=$(zcat "$share/man/man1/porkane-tool.1.gz" | grep -c '^\.SS ' || true)
examples=$(grep -cE '^ +Examples?:' "$work/tool-page.txt" || true)
[ "$commands" -gt 0 ] && [ "$commands" = "$examples" ] && pass "porkane-tool(1): $commands commands, each with an example" \
  || fail "porkane-tool(1): $commands commands but $examples examples"
[[ $(LC_ALL=C.UTF-8 man -l "$share/man/man1/porkane.1.gz" 2>/dev/null) == *"porkane $version"* ]] \
  && pass "porkane(1) names version $version" || fail "porkane(1) does not name version $version"

# --- lintian ---------------------------------------------------------------
# Errors fail the check; warnings and notes are listed for the maintainers.
if lintian --fail-on error --display-info --tag-display-limit 0 "$deb" > "$work/lintian" 2>&1; then
  pass "lintian: no errors ($(grep -c '^W:' "$work/lintian" || true) warnings)"
else
  fail "lintian reported errors"
fi
grep -v 'root privileges' "$work/lintian" | sed 's/^/  lintian: /' || true
fi

# --- Install, start, remove --------------------------------------------------
if [ "$install" = 1 ]; then
  [ "$(id -u)" = 0 ] || { echo "--install needs root" >&2; exit 1; }
  for tool in xvfb-run:xvfb import:imagemagick xdotool:xdotool xprop:x11-utils apt-get:apt; do
    need "${tool%%:*}" "${tool#*:}"
  done
  if dpkg -s porkane >/dev/null 2>&1; then
    echo "porkane is installed already; this check needs a machine without it" >&2
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" > "$work/apt-install.log" 2>&1 \
    && pass "apt installed the package" || { cat "$work/apt-install.log"; fail "apt could not install the package"; }
  dpkg -L porkane > "$work/installed"
  tool_version=$(porkane-tool --version 2>&1 || true)
  echo "porkane-tool --version: $tool_version"
  grep -q "$version" <<<"$tool_version" && pass "porkane-tool runs" || fail "porkane-tool --version said: $tool_version"
  if command -v man >/dev/null; then
    [ "$(man -w porkane-tool 2>/dev/null)" = /usr/share/man/man1/porkane-tool.1.gz ] && pass "man porkane-tool finds its page" \
      || fail "man porkane-tool finds no page"
  else
    echo "skipped: no man here to look the page up"
  fi
  if [ -f /usr/share/mime/application/x-porkane-label.xml ]; then pass "the MIME database knows the label type"
  elif command -v update-mime-database >/dev/null; then fail "the MIME database was not updated"
  fi
  # GIO reads the desktop's MIME cache, which desktop-file-utils keeps.
  if command -v update-desktop-database >/dev/null && command -v gio >/dev/null; then
    for type in application/x-porkane-label application/x-porkane-form; do
      handlers=$(gio mime "$type" 2>&1 || true)
      [[ $handlers == *"Default application for “$type”: porkane.desktop"* ]] \
        && pass "the desktop opens $type with porkane" || fail "no application registered for $type: $handlers"
    done
  fi

  # Starts the program under Xvfb with a fresh home, waits for a window whose
  # title matches, then notes every window of the program and takes a shot.
  home=$work/user
  mkdir -p "$home" && chmod 700 "$home"
  cp "$work/sheet.fom" "$home/sheet.fom"
  start_porkane() { # NAME TITLE-PATTERN [FILE]
    HOME=$home XDG_RUNTIME_DIR=$home LANG=C.UTF-8 NAME=$1 TITLE=$2 \
      xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
        porkane "$@" > "$HOME/$NAME.log" 2>&1 &
        program=$!
        found=$(timeout 60 xdotool search --sync --onlyvisible --name "$TITLE" | head -n 1)
        sleep 2
        echo "found: ${found:-none}" > "$HOME/$NAME.windows"
        for window in $(xdotool search --class "^porkane\$"); do
          echo "window $window: $(xprop -id "$window" WM_NAME WM_CLASS _NET_WM_ICON | head -c 200 | tr "\n\t" "  ")"
        done >> "$HOME/$NAME.windows"
        import -window root "$HOME/$NAME.png"
        kill $program; wait $program 2>/dev/null || true' bash "${@:3}" || true
    sed 's/^/  /' "$home/$1.windows" "$home/$1.log" 2>/dev/null || true
    grep -q "^found: [0-9]" "$home/$1.windows"
  }
  icons_everywhere() { # NAME
    local windows; windows=$(grep '^window ' "$home/$1.windows" || true)
    [ -n "$windows" ] && ! grep -v -q '_NET_WM_ICON(CARDINAL) = .*Icon' <<<"$windows" \
      && grep -q 'WM_CLASS(STRING) = "porkane", "porkane"' <<<"$windows"
  }
  # Started from the menu: the main menu comes up after the splash.
  start_porkane start "ver[0-9]" && pass "porkane starts: its main menu is up" || fail "porkane's main menu did not come up"
  icons_everywhere start && pass "its windows are of class porkane and carry its icon" || fail "a window without icon or class"
  # As a file manager starts it on a template: the editor opens on it.
  start_porkane template "文字入力" "$home/sheet.fom" && pass "porkane opens a template it is given" \
    || fail "porkane did not open the template it was given"
  icons_everywhere template && pass "the editor too is of class porkane and carries its icon" \
    || fail "a window without icon or class"
  if [ -n "$screenshot" ]; then
    cp "$home/start.png" "$screenshot" && cp "$home/template.png" "${screenshot%.png}-template.png" \
      && echo "screenshots: $screenshot ${screenshot%.png}-template.png"
  fi

  DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -q porkane > "$work/apt-remove.log" 2>&1 \
    && pass "apt purged the package" || { cat "$work/apt-remove.log"; fail "apt could not remove the package"; }
  dpkg -s porkane >/dev/null 2>&1 && fail "dpkg still knows porkane"
  left=$(while read -r path; do
           if [ -f "$path" ] || [ -L "$path" ]; then echo "$path"; fi
           if [ -d "$path" ] && [[ $path == */porkane ]]; then echo "$path/"; fi
         done < "$work/installed"
         ls -d /usr/share/mime/application/x-porkane-* 2>/dev/null || true
         grep -ls porkane /usr/share/applications/mimeinfo.cache 2>/dev/null || true)
  [ -z "$left" ] && pass "nothing of porkane is left" || fail "left behind: $left"
fi

echo "$failures failed"
[ "$failures" = 0 ]
