#!/usr/bin/env bash
# Builds the Debian package (cpack -G DEB) into a temporary folder, checks that
# its Depends names the package of every library it links, unpacks it with
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

root=$work/root
dpkg-deb -x "$deb" "$root"
check_layout "$root/usr"
check_libraries "$root/usr"
check_tools "$root/usr/bin/talvora"
check_file_types "$root/usr"

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
