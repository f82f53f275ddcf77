#!/usr/bin/env bash
# Builds the Debian package (cpack -G DEB) into a temporary folder, checks that
# its Depends names the package of every library it links, that it has no
# maintainer scripts and a changelog of its version, runs lintian and the
# freedesktop validators on it (those that are installed), unpacks it with
# dpkg-deb -x into a temporary root (no change to the system) and runs the
# unpacked program from there, file types included.
set -euo pipefail
source "$(dirname "$0")/common.sh"

cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >/dev/null
packages=("$work"/package/*.deb)
if [ ${#packages[@]} -ne 1 ] || [ ! -f "${packages[0]}" ]; then
    fail "cpack made: ${packages[*]}"
fi
deb=${packages[0]}
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

# Its libraries are private and the caches it touches have triggers of their
# own: there is nothing for a maintainer script to do.
dpkg-deb -e "$deb" "$work/control"
for script in preinst postinst prerm postrm; do
    [ ! -e "$work/control/$script" ] || fail "the package has a $script: $(cat "$work/control/$script")"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
check_layout "$root/usr"
check_libraries "$root/usr"
check_tools "$root/usr/bin/talvora"
check_file_types "$root/usr"
package_version=$(dpkg-deb -f "$deb" Version)
top=$(gzip -dc "$root/usr/share/doc/talvora/changelog.Debian.gz" | head -n1)
[[ "$top" == "talvora ($package_version) "* ]] ||
    fail "changelog.Debian.gz begins with '$top', the package is $package_version"

# What a packager runs; each when installed (scripts/install-deps.sh does).
validate() {
    local tool=$1
    shift
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        return
    fi
    "$@" >"$work/$tool.txt" 2>&1 || fail "$*: $(cat "$work/$tool.txt")"
}
validate desktop-file-validate desktop-file-validate \
    "$root/usr/share/applications/$app_id.desktop"
[ ! -s "$work/desktop-file-validate.txt" ] ||
    fail "desktop-file-validate: $(cat "$work/desktop-file-validate.txt")"
validate appstreamcli appstreamcli validate-tree --no-net "$root"
validate lintian lintian --fail-on error,warning --tag-display-limit 0 "$deb"
if [ -f "$work/lintian.txt" ]; then
    # Running as root is only worth a note; anything else lintian says is shown.
    grep -v '^running with root privileges' "$work/lintian.txt" || true
fi

# The libraries the unpacked files link directly, where the linker finds them
# outside the package.
linked=()
for file in "$root/usr/bin/talvora" "$root/usr/$module_dir"/*.so; do
    resolved=$(env -i ldd "$file")
    for soname in $(readelf -d "$file" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        path=$(awk -v name="$soname" '$1 == name { print $3 }' <<<"$resolved")
        [[ "$path" == "$root"/* ]] || linked+=("$path")
    done
done
# Their Debian packages; dpkg knows a library under its own name, which may
# differ from the found one by the /lib alias of /usr/lib or by a symlink.
needed=qt6-qpa-plugins
for path in $(printf '%s\n' "${linked[@]}" | sort -u); do
    owners=$(dpkg-query -S "$path" "/usr$path" "$(readlink -f "$path")" 2>/dev/null || true)
    package=$(head -n1 <<<"$owners" | cut -d: -f1)
    [ -n "$package" ] || fail "no Debian package holds $path"
    needed+=" $package"
done
depends=$(dpkg-deb -f "$deb" Depends)
depended=$(sed 's/ ([^)]*)//g; s/, \| | /\n/g' <<<"$depends")
for package in $(tr ' ' '\n' <<<"$needed" | sort -u); do
    grep -qxF "$package" <<<"$depended" || fail "Depends lacks $package: $depends"
done
