#!/usr/bin/env bash
# Checks the Debian package as a desktop would meet it: built by CPack from
# a finished build, unpacked into a scratch root, every file where desktops
# and tools look for it and each accepted by the tool that reads it.
#
#   check_package.sh build     BUILD_DIR SCRATCH VERSION   make and unpack the package
#   check_package.sh files     SCRATCH APP_ID VERSION      what it holds, where; its control fields
#   check_package.sh desktop   SCRATCH APP_ID              desktop-file-validate, entry meets icon and program
#   check_package.sh metainfo  SCRATCH APP_ID VERSION      appstreamcli validate --no-net, id, release
#   check_package.sh manpages  SCRATCH                     man --warnings renders clean; every option described
#
# Quiet when all is well; on a failure prints what is wrong and exits 1.
set -uo pipefail

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures problem(s)"
        exit 1
    fi
    exit 0
}

mode=${1:-}
shift || true

case "$mode" in
build)
    build=$1 scratch=$2 version=$3
    rm -rf "$scratch"
    mkdir -p "$scratch"
    if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch/cpack" >"$scratch/cpack.log" 2>&1; then
        tail -n 30 "$scratch/cpack.log"
        exit 1
    fi
    deb="$scratch/cpack/kerovant_${version}_amd64.deb"
    if [ ! -f "$deb" ]; then
        echo "FAIL: no $(basename "$deb"); CPack made: $(cd "$scratch/cpack" && ls ./*.deb 2>/dev/null)"
        exit 1
    fi
    cp "$deb" "$scratch/kerovant.deb"
    dpkg-deb -x "$scratch/kerovant.deb" "$scratch/root" || exit 1
    dpkg-deb -f "$scratch/kerovant.deb" >"$scratch/control" || exit 1
    mkdir -p "$scratch/debian"
    dpkg-deb -e "$scratch/kerovant.deb" "$scratch/debian" || exit 1
    ;;

files)
    scratch=$1 app=$2 version=$3
    root="$scratch/root"
    expected=(
        usr/bin/kerovant
        usr/bin/kerovant-cli
        usr/bin/kerovant-clocksim
        "usr/share/applications/$app.desktop"
        "usr/share/icons/hicolor/scalable/apps/$app.svg"
        "usr/share/metainfo/$app.metainfo.xml"
        usr/share/man/man1/kerovant.1.gz
        usr/share/man/man1/kerovant-cli.1.gz
        usr/share/man/man1/kerovant-clocksim.1.gz
        usr/lib/udev/rules.d/70-kerovant.rules
        "usr/lib/systemd/system/kerovant-watch@.service"
        usr/lib/sysusers.d/kerovant.conf
    )
    # Exactly these files: nothing missing, nothing that slipped in (tests,
    # libraries, build leftovers).
    actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
    wanted=$(printf '%s\n' "${expected[@]}" | sort)
    if [ "$actual" != "$wanted" ]; then
        fail "the package holds other files than expected:"
        diff <(echo "$wanted") <(echo "$actual") | sed -n 's/^[<>]/  &/p'
    fi
    for program in kerovant kerovant-cli kerovant-clocksim; do
        [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is not executable"
    done
    # The udev rule must come before 73-seat-late.rules, which turns the
    # uaccess tag into access rights.
    for rule in "$root"/usr/lib/udev/rules.d/*.rules; do
        number=$(basename "$rule" | sed -n 's/^\([0-9]*\)-.*/\1/p')
        if [ -z "$number" ] || [ "$number" -ge 73 ]; then
            fail "$(basename "$rule") does not sort before 73-seat-late.rules"
        fi
        grep -q 'ATTRS{idVendor}=="0403"' "$rule" || fail "$(basename "$rule") does not match the vendor ID 0403"
        grep -q 'TAG+="uaccess"' "$rule" || fail "$(basename "$rule") does not tag the device for uaccess"
        grep -q 'ENV{ID_MM_DEVICE_IGNORE}="1"' "$rule" || fail "$(basename "$rule") does not keep ModemManager off"
        # The attribute is the FTDI driver's port device's, not the tty's.
        grep -q '^SUBSYSTEM=="usb-serial", DRIVER=="ftdi_sio",.*ATTR{latency_timer}="1"' "$rule" ||
            fail "$(basename "$rule") does not set the FTDI bridge's latency timer to 1 ms"
    done
    # The service's user, made by systemd-sysusers, may open serial devices.
    users="$root/usr/lib/sysusers.d/kerovant.conf"
    grep -Eq '^u kerovant ' "$users" || fail "sysusers.d/kerovant.conf does not declare the user kerovant"
    grep -Eq '^m kerovant dialout$' "$users" || fail "sysusers.d/kerovant.conf does not put kerovant in dialout"
    # The advice the programs give names the rule the package ships.
    grep -qa "70-kerovant.rules" "$root/usr/bin/kerovant-cli" ||
        fail "kerovant-cli's advice does not name the shipped rule 70-kerovant.rules"

    # Control fields: the version, and dependencies computed by
    # dpkg-shlibdeps (versioned, the libraries the binaries link).
    control="$scratch/control"
    grep -qx "Package: kerovant" "$control" || fail "package name is not kerovant"
    grep -qx "Version: $version" "$control" || fail "control Version is not $version"
    grep -qx "Architecture: amd64" "$control" || fail "architecture is not amd64"
    depends=$(sed -n 's/^Depends: //p' "$control")
    for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libudev1 libstdc++6; do
        pattern=$(printf '%s' "$library" | sed 's/[+.]/\\&/g')
        echo "$depends" | grep -Eq "(^|, )$pattern \(>= [^)]+\)" || fail "Depends lacks a computed '$library (>= ...)': $depends"
    done
    grep -q "^Installed-Size: [0-9]" "$control" || fail "no Installed-Size"
    for script in postinst postrm; do
        [ -x "$scratch/debian/$script" ] || fail "maintainer script $script missing or not executable"
    done

    # The programs run from the scratch root.
    [ "$("$root/usr/bin/kerovant" --version 2>&1)" = "kerovant $version" ] ||
        fail "usr/bin/kerovant --version does not say 'kerovant $version'"
    "$root/usr/bin/kerovant-cli" --help >/dev/null 2>&1 || fail "usr/bin/kerovant-cli --help fails"
    "$root/usr/bin/kerovant-clocksim" --help >/dev/null 2>&1 || fail "usr/bin/kerovant-clocksim --help fails"
    ;;

desktop)
    scratch=$1 app=$2
    root="$scratch/root"
    entry="$root/usr/share/applications/$app.desktop"
    out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ "$icon" = "$app" ] || fail "Icon=$icon, not the application ID $app"
    [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon file for Icon=$icon"
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [ -x "$root/usr/bin/$program" ] || fail "Exec=$program is not a program of the package"
    keywords=$(sed -n 's/^Keywords=//p' "$entry")
    for word in clock "time code" SMPTE IRIG; do
        echo ";$keywords" | grep -qi ";$word;" || fail "Keywords lack '$word'"
    done
    ;;

metainfo)
    scratch=$1 app=$2 version=$3
    root="$scratch/root"
    metainfo="$root/usr/share/metainfo/$app.metainfo.xml"
    out=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
    grep -q "<id>$app</id>" "$metainfo" || fail "component id is not $app"
    grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
        fail "launchable does not name $app.desktop"
    [ -f "$root/usr/share/applications/$app.desktop" ] || fail "the launchable's desktop entry is not in the package"
    # The newest release entry is this version: a version raised without a
    # release entry would show the old one in software centres.
    newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n 1 | sed 's/.*version="\([^"]*\)"/\1/')
    [ "$newest" = "$version" ] || fail "the newest release entry is '$newest', the package is $version"
    grep -q '<screenshot type="default">' "$metainfo" || fail "no default screenshot"
    ;;

manpages)
    scratch=$1
    root="$scratch/root"
    for program in kerovant kerovant-cli kerovant-clocksim; do
        page="$root/usr/share/man/man1/$program.1.gz"
        warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$program.1 renders with warnings: $warnings"
        # Every option the program's --help lists is described on the page:
        # it heads a paragraph of its own (rendered at the left indent, alone
        # or after the short form, as in "-h, --help").
        text=$(MANWIDTH=80 man -E ascii -l "$page" 2>/dev/null)
        options=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/$program" --help 2>&1 | grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' |
            sed 's/^[ ,]*//' | sort -u)
        [ -n "$options" ] || fail "$program --help lists no options"
        for option in $options; do
            grep -Eq -- "^ {7}(-[a-z]+, )?$option\\b" <<<"$text" || fail "$program.1 does not describe $option"
        done
    done
    ;;

*)
    sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
finish
