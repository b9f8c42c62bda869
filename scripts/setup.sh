#!/usr/bin/env bash
# Installs the Debian packages the project needs. Quiet and quick when all
# are present; safe to run again.
#
#   bash scripts/setup.sh        everything: building, the tests and their
#                                tools (scripts/test.sh and the other scripts)
#   bash scripts/setup.sh demo   only what building the programs and the
#                                simulated clock take (scripts/demo.sh)
set -euo pipefail

# Building the programs, the window and the simulated clock.
demo_packages=(
  g++ cmake make pkg-config
  libudev-dev libicu-dev
  qt6-base-dev qt6-svg-dev
  # The build configures its tests too (the default preset), so it looks
  # for GoogleTest even when only the programs are built.
  libgtest-dev
  # The translations: lrelease, and Qt's own texts (qtbase_xx.qm) that the
  # program loads with ours.
  qt6-l10n-tools qt6-translations-l10n
)

# The tests and their tools, beside the above.
test_packages=(
  clang-format git
  # The compiler cache the test command builds through (scripts/ccache-env.sh).
  ccache
  # The font whose metrics the dialog-unit geometry test is worked out for.
  fonts-dejavu-core
  # The Debian package and its checks: CPack's dependency computation
  # (dpkg-shlibdeps, file), the validators of the desktop entry and the
  # AppStream metadata, and man to render the manual pages.
  dpkg-dev file desktop-file-utils appstream man-db
  # watch --metrics read by Prometheus's tools: promtool and node_exporter
  # (tests/dist/check_metrics.sh).
  prometheus prometheus-node-exporter
  # The machine outputs compared under a comma-decimal locale, compiled by
  # the test with localedef (tests/dist/check_locale.sh).
  locales
  # The fuzz harnesses: clang with libFuzzer and the sanitizer runtimes.
  clang libclang-rt-14-dev
  # The Ansible example's test runs the playbook.
  ansible-core
  # The bridges as the kernel and udev show them, mocked: the test bed of
  # tests/link/test_BridgeTestbed.cpp (libumockdev and its preload library
  # run under umockdev-wrapper).
  umockdev libumockdev-dev gir1.2-umockdev-1.0
)

case "${1:-all}" in
  demo) packages=("${demo_packages[@]}") ;;
  all | test) packages=("${demo_packages[@]}" "${test_packages[@]}") ;;
  *) sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq >/dev/null
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
