#!/usr/bin/env bash
# Installs the build into a temporary prefix that the user running the
# program cannot write, and runs the installed-copy test program from the
# installation's bin folder as that user (nobody when run as root), with its
# own home and XDG folders.
# Usage: instalado.sh <cmake> <build folder> <test program>
set -euo pipefail
cmake=$1
build=$2
testes=$3

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefixo
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
cp "$testes" "$prefix/bin/minivocabra-instalado-testes"
chmod -R a+rX,a-w "$prefix"

casa=$work/casa
mkdir -p "$casa/config" "$casa/dados" "$casa/runtime"
chmod 700 "$casa/runtime"
como=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody:nogroup "$casa"
  como=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi

ambiente=(env -i PATH="$PATH" HOME="$casa" XDG_CONFIG_HOME="$casa/config" XDG_DATA_HOME="$casa/dados"
  XDG_RUNTIME_DIR="$casa/runtime" QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
  QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu)
"${ambiente[@]}" "${como[@]}" "$prefix/bin/minivocabra-instalado-testes"

# The program itself starts from the installation and paints its start page
# (timing mode: it ends there, and any message box would stop it short).
saida=$("${ambiente[@]}" MINIVOCABRA_T0="$(date +%s%N)" "${como[@]}" timeout 60 "$prefix/bin/minivocabra" 2>&1)
grep '^pagina ' <<<"$saida" || { echo "$saida"; exit 1; }

# It appears in a desktop's menu.
grep -qx 'Exec=minivocabra' "$prefix/share/applications/minivocabra.desktop"
test -x "$prefix/bin/minivocabra"
test -s "$prefix/share/icons/hicolor/64x64/apps/minivocabra.png"

# Nothing of the user's went into the installation.
test -z "$(find "$prefix" -newer "$prefix/bin/minivocabra-instalado-testes" -print -quit)"
