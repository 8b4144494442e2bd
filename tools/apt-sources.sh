#!/bin/sh
# Prints, as deb822 stanzas, the deb-src entries that match this machine's own apt sources, so
# that a source package comes from the very archive (mirror, proxy, snapshot, local cache) its
# binary packages came from:
#   tools/apt-sources.sh [ROOT]     reads ROOT/etc/apt (default: /etc/apt) and ROOT/etc/os-release
# Read: /etc/apt/sources.list and sources.list.d/*.list (one-line format), sources.list.d/*.sources
# (deb822); files with any other suffix are disabled, as apt has them. Each `deb` or `deb-src`
# entry becomes a `deb-src` entry with its URIs, suites, components, Signed-By and the other
# options that decide whether apt trusts and accepts the archive (Trusted, Check-Valid-Until for a
# snapshot, ...). Left out, because they would make the `apt-get update` before `apt-get source`
# fail or cannot hold the host's source:
# - entries switched off (`Enabled: no`) or commented out;
# - suites of another release than the host's (suite = its codename or codename-*, as in
#   bookworm-updates and bookworm-security): third-party repositories (a vendor's `nodistro`,
#   say) carry no Debian source, and their hosts are often unreachable from a build network;
# - cdrom: entries, which need the disc in the drive;
# - Architectures, Languages and Targets, which concern binary packages only.
# Exits 1, naming the files it read, when nothing usable is left.
set -eu

root=${1-}
codename=$(sed -n 's/^VERSION_CODENAME=["'\'']*\([^"'\'']*\).*/\1/p' \
    "$root/etc/os-release" "$root/usr/lib/os-release" 2>/dev/null | head -n 1)

set --
[ -f "$root/etc/apt/sources.list" ] && set -- "$root/etc/apt/sources.list"
for f in "$root"/etc/apt/sources.list.d/*.list "$root"/etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && set -- "$@" "$f"
done

if [ $# -gt 0 ]; then
    out=$(awk -v codename="$codename" '
function keep(suite) {
    return codename == "" || suite == codename || index(suite, codename "-") == 1
}
function kept(suites,    n, s, i, list) {
    n = split(suites, s, " ")
    list = ""
    for (i = 1; i <= n; i++)
        if (keep(s[i]))
            list = list (list == "" ? "" : " ") s[i]
    return list
}
function remote(uris,    n, u, i, list) {
    n = split(uris, u, " ")
    list = ""
    for (i = 1; i <= n; i++)
        if (u[i] !~ /^cdrom:/)
            list = list (list == "" ? "" : " ") u[i]
    return list
}
function binaryOnly(key) {
    return key ~ /^(arch|architectures|lang|languages|target|targets)([-+]?)$/
}
function stanza(uris, suites, components, options) {
    uris = remote(uris)
    suites = kept(suites)
    if (uris == "" || suites == "")
        return
    printf "Types: deb-src\nURIs: %s\nSuites: %s\n", uris, suites
    if (components != "")
        printf "Components: %s\n", components
    printf "%s\n", options
}
# deb822: a stanza is a run of "Field: value" lines and their indented continuations, ended by a
# blank line or the end of the file; lines starting with # are comments.
function flush(    i, key, options, types) {
    types = " " field["types"] " "
    if (count > 0 && tolower(field["enabled"]) != "no" && types ~ / deb(-src)? /) {
        options = ""
        for (i = 1; i <= count; i++) {
            key = order[i]
            if (key !~ /^(types|uris|suites|components|enabled)$/ && !binaryOnly(key))
                options = options name[key] ":" \
                    (field[key] == "" || substr(field[key], 1, 1) == "\n" ? "" : " ") field[key] "\n"
        }
        stanza(field["uris"], field["suites"], field["components"], options)
    }
    count = 0
    split("", field)
}
FNR == 1 { flush(); deb822 = FILENAME ~ /\.sources$/ }
deb822 && /^#/ { next }
deb822 && /^[ \t]*$/ { flush(); next }
deb822 && /^[ \t]/ {
    # Signed-By may hold a whole key, line by line; list fields are words over several lines.
    if (count > 0)
        field[order[count]] = field[order[count]] (order[count] == "signed-by" ? "\n" $0 : " " $1)
    next
}
deb822 {
    colon = index($0, ":")
    if (colon == 0)
        next
    key = tolower(substr($0, 1, colon - 1))
    value = substr($0, colon + 1)
    sub(/^[ \t]+/, "", value)
    sub(/[ \t]+$/, "", value)
    if (!(key in field))
        order[++count] = key
    name[key] = substr($0, 1, colon - 1)
    field[key] = value
    next
}
# One-line format: type [ options ] uri suite [component ...], # to the end of a line a comment.
{
    line = $0
    sub(/#.*/, "", line)
    n = split(line, word, " ")
    if (n < 3 || (word[1] != "deb" && word[1] != "deb-src"))
        next
    i = 2
    options = ""
    if (substr(word[2], 1, 1) == "[") {
        text = ""
        for (; i <= n; i++) {
            text = text " " word[i]
            if (word[i] ~ /\]$/) {
                i++
                break
            }
        }
        gsub(/[\[\]]/, " ", text)
        m = split(text, option, " ")
        for (k = 1; k <= m; k++) {
            eq = index(option[k], "=")
            key = tolower(substr(option[k], 1, eq - 1))
            if (eq > 1 && !binaryOnly(key))
                options = options key ": " substr(option[k], eq + 1) "\n"
        }
    }
    components = ""
    for (k = i + 2; k <= n; k++)
        components = components (components == "" ? "" : " ") word[k]
    if (i + 1 <= n)
        stanza(word[i], word[i + 1], components, options)
}
END { flush() }
' "$@")
else
    out=
fi

if [ -z "$out" ]; then
    echo "apt-sources.sh: no enabled deb or deb-src entry of Debian ${codename:-(release unknown)} in:" \
        "${*:-no apt source file under ${root:-}/etc/apt}" >&2
    exit 1
fi
printf '%s\n' "$out"
