# The reading behind tools/apt-sources.sh, which says what is kept and what is left out:
#   awk -v codename=CODENAME -f tools/apt-sources.awk FILE...
# A FILE ending in .sources is read as deb822, any other as one-line entries. Each usable entry
# is printed as a deb-src stanza followed by a blank line. An empty codename keeps every suite.
# Plain POSIX awk (Debian's default is mawk).

# ---- Word lists

function append(list, word) {
    return list == "" ? word : list " " word
}

# The words of text, split at blanks and tabs, joined by single spaces.
function words(text,    n, w, i, list) {
    n = split(text, w, " ")
    list = ""
    for (i = 1; i <= n; i++)
        list = append(list, w[i])
    return list
}

# A suite of the host's release: its codename or codename-* (bookworm-updates, bookworm-security).
function hostSuite(suite) {
    return codename == "" || suite == codename || index(suite, codename "-") == 1
}

function hostSuites(suites,    n, s, i, list) {
    n = split(suites, s, " ")
    list = ""
    for (i = 1; i <= n; i++)
        if (hostSuite(s[i]))
            list = append(list, s[i])
    return list
}

# The URIs that need no disc in the drive.
function remoteUris(uris,    n, u, i, list) {
    n = split(uris, u, " ")
    list = ""
    for (i = 1; i <= n; i++)
        if (u[i] !~ /^cdrom:/)
            list = append(list, u[i])
    return list
}

# Options of binary packages only (Architectures, Languages, Targets, with their += and -=).
function binaryOnly(key) {
    return key ~ /^(arch|architectures|lang|languages|target|targets)([-+]?)$/
}

# ---- Output

# options: "Name: value" lines, each ended by a newline.
function stanza(uris, suites, components, options) {
    uris = remoteUris(uris)
    suites = hostSuites(suites)
    if (uris == "" || suites == "")
        return
    printf "Types: deb-src\nURIs: %s\nSuites: %s\n", uris, suites
    if (components != "")
        printf "Components: %s\n", components
    printf "%s\n", options
}

# ---- deb822
# A stanza is a run of "Field: value" lines, each followed by its continuation lines (starting with
# a blank or a tab), ended by an empty line or the end of the file; a line starting with # is a
# comment. The stanza read so far: field[key] by lowercase key, name[key] as written,
# order[1..count] the keys in their order, last the key that continuation lines add to.

function deb822Field(line,    colon, key, value) {
    colon = index(line, ":")
    if (colon == 0)
        return
    key = tolower(substr(line, 1, colon - 1))
    value = substr(line, colon + 1)
    sub(/^[ \t]+/, "", value)
    sub(/[ \t]+$/, "", value)
    if (!(key in field))
        order[++count] = key
    name[key] = substr(line, 1, colon - 1)
    field[key] = value
    last = key
}

# Signed-By may hold a whole key, kept line by line as written (" ." for an empty line); any other
# field is a list of words, all of which the line adds.
function deb822Continuation(line) {
    if (last == "signed-by")
        field[last] = field[last] "\n" line
    else if (last != "")
        field[last] = append(field[last], words(line))
}

function deb822Options(    i, key, value, options) {
    options = ""
    for (i = 1; i <= count; i++) {
        key = order[i]
        if (key ~ /^(types|uris|suites|components|enabled)$/ || binaryOnly(key))
            continue
        value = field[key]
        if (value != "" && substr(value, 1, 1) != "\n")
            value = " " value
        options = options name[key] ":" value "\n"
    }
    return options
}

function deb822End() {
    if (count > 0 && tolower(field["enabled"]) != "no" && (" " field["types"] " ") ~ / deb(-src)? /)
        stanza(field["uris"], field["suites"], words(field["components"]), deb822Options())
    count = 0
    last = ""
    split("", field)
    split("", name)
}

# ---- One-line format
# type [ option=value ... ] uri suite [component ...]; from # to the end of the line a comment.

# The options of word[first..n] written in brackets, as "key: value" lines; sets optionsEnd to the
# index of the first word after them.
function oneLineOptions(word, first, n,    i, text, option, m, k, eq, key, options) {
    optionsEnd = first
    if (substr(word[first], 1, 1) != "[")
        return ""
    text = ""
    for (i = first; i <= n; i++) {
        text = text " " word[i]
        if (word[i] ~ /\]$/)
            break
    }
    optionsEnd = i + 1
    gsub(/[\[\]]/, " ", text)
    m = split(text, option, " ")
    options = ""
    for (k = 1; k <= m; k++) {
        eq = index(option[k], "=")
        key = tolower(substr(option[k], 1, eq - 1))
        if (eq > 1 && !binaryOnly(key))
            options = options key ": " substr(option[k], eq + 1) "\n"
    }
    return options
}

function oneLine(line,    n, word, options, i, k, components) {
    sub(/#.*/, "", line)
    n = split(line, word, " ")
    if (n < 3 || (word[1] != "deb" && word[1] != "deb-src"))
        return
    options = oneLineOptions(word, 2, n)
    i = optionsEnd
    components = ""
    for (k = i + 2; k <= n; k++)
        components = append(components, word[k])
    if (i + 1 <= n)
        stanza(word[i], word[i + 1], components, options)
}

# ---- Files

FNR == 1 { deb822End(); deb822 = FILENAME ~ /\.sources$/ }
deb822 && /^#/ { next }
deb822 && /^[ \t]*$/ { deb822End(); next }
deb822 && /^[ \t]/ { deb822Continuation($0); next }
deb822 { deb822Field($0); next }
{ oneLine($0) }
END { deb822End() }
