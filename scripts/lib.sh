# Shared by scripts/run and scripts/test: install only the Debian packages that are missing.
ensure_deps() {
    local here missing=()
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
    while read -r pkg; do
        pkg=${pkg%%#*}
        pkg=${pkg//[[:space:]]/}
        [ -n "$pkg" ] || continue
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done <"$here/deps"
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}" >&2
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}
