#!/usr/bin/env bash
# The translations of the window's texts (translations/kerovant_xx.ts).
#
#   bash scripts/translations.sh update   refresh every .ts from the sources
#   bash scripts/translations.sh check    fail unless every .ts is current and
#                                         complete
#
# update adds new texts as unfinished and drops texts no longer used; a
# translator then fills in the new ones (Qt Linguist, or the .ts in an
# editor). check refreshes a copy of each .ts and fails, naming the file,
# when a text of the sources is missing from it, a message is unfinished, or
# a message is obsolete (its text no longer in the sources).
#
# The texts are those marked QT_TRANSLATE_NOOP (or KEROVANT_TRANSLATE_NOOP,
# the same mark in the libraries without Qt; KEROVANT_TRANSLATE_NOOP3 and
# the _N_ marks for a role and a plural form) in the window's folders; the
# command-line tool's folder is not read: it stays English.
set -euo pipefail
cd "$(dirname "$0")/.."

bin=$(qtpaths6 --query QT_HOST_LIBEXECS 2>/dev/null || true)
lupdate=${LUPDATE:-}
for candidate in "$bin/lupdate" /usr/lib/qt6/bin/lupdate "$(command -v lupdate || true)"; do
  if [ -z "$lupdate" ] && [ -x "$candidate" ]; then lupdate=$candidate; fi
done
[ -n "$lupdate" ] || { echo "translations.sh: lupdate not found (apt-get install qt6-l10n-tools)" >&2; exit 2; }

sources=(res app dialogs dst ui core link)
run_lupdate() {  # ts_file language [extra options]
  local ts=$1 language=$2
  shift 2
  "$lupdate" -silent -locations none -extensions h,cpp -target-language "$language" \
    -tr-function-alias QT_TRANSLATE_NOOP+=KEROVANT_TRANSLATE_NOOP,QT_TRANSLATE_NOOP3+=KEROVANT_TRANSLATE_NOOP3 \
    -tr-function-alias QT_TRANSLATE_N_NOOP+=KEROVANT_TRANSLATE_N_NOOP,QT_TRANSLATE_N_NOOP3+=KEROVANT_TRANSLATE_N_NOOP3 "$@" "${sources[@]}" -ts "$ts"
}

case "${1:-}" in
  update)
    for ts in translations/kerovant_*.ts; do
      language=$(basename "$ts" .ts); language=${language#kerovant_}
      run_lupdate "$ts" "$language" -no-obsolete
    done
    ;;
  check)
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    failed=0
    for ts in translations/kerovant_*.ts; do
      language=$(basename "$ts" .ts); language=${language#kerovant_}
      cp "$ts" "$scratch/"
      run_lupdate "$scratch/$(basename "$ts")" "$language"
      unfinished=$(grep -c 'type="unfinished"' "$scratch/$(basename "$ts")" || true)
      obsolete=$(grep -cE 'type="(obsolete|vanished)"' "$scratch/$(basename "$ts")" || true)
      if [ "$unfinished" -ne 0 ] || [ "$obsolete" -ne 0 ]; then
        echo "$ts: $unfinished unfinished, $obsolete obsolete (run: bash scripts/translations.sh update, then translate)"
        failed=1
      fi
    done
    exit $failed
    ;;
  *) sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
esac
