# Turns a program's --help text into a manual page in roff. The help's layout:
#   Usage: PROGRAM ...            the synopsis, with more lines "       PROGRAM ..." after it
#   One sentence.                 the summary (the NAME line)
#   text                          unindented lines: paragraphs of the description
#   Heading:                      an unindented line ending in ":" starts a section
#     TERM  text                  two spaces in: an item, its text after a gap of two spaces
#       text                      four spaces in: more text of the item
#         text                    six spaces in: a line of its own (a list in the item's text)
# Variables: name, version (the --version line), see_also (optional, "page(1)").

# Roff's special characters: backslashes, and hyphens as minus signs so options copy right.
function esc(s,   out, i, c) {
    out = ""
    for (i = 1; i <= length(s); i++) {
        c = substr(s, i, 1)
        if (c == "\\") c = "\\e"
        else if (c == "-") c = "\\-"
        out = out c
    }
    if (out ~ /^[.']/) out = "\\&" out
    return out
}

# Bold, with the upper-case placeholders (FILE, OUT, N) in italics; an option such as -V stays bold.
function fonts(s,   out, word) {
    s = esc(s)
    out = ""
    while (match(s, /[A-Z][A-Z0-9]*/)) {
        word = substr(s, RSTART, RLENGTH)
        if (RSTART > 1 && substr(s, RSTART - 1, 1) == "-")
            out = out substr(s, 1, RSTART - 1) word
        else
            out = out substr(s, 1, RSTART - 1) "\\fI" word "\\fB"
        s = substr(s, RSTART + RLENGTH)
    }
    return "\\fB" out s "\\fR"
}

function trim(s) { sub(/^ +/, "", s); sub(/ +$/, "", s); return s }

BEGIN { part = "usage"; synopsis = ""; blank = 0; item = 0 }

part == "usage" && NR == 1 {
    if ($0 !~ /^Usage: /) { print "help does not start with 'Usage: '" > "/dev/stderr"; exit 1 }
    synopsis = fonts(substr($0, 8))
    next
}
part == "usage" && $0 ~ "^ +" name " " {
    synopsis = synopsis "\n.br\n" fonts(trim($0))
    next
}
part == "usage" {
    summary = $0
    sub(/\.$/, "", summary)
    summary = tolower(substr(summary, 1, 1)) substr(summary, 2)
    title = toupper(name)
    printf ".TH %s 1 \"\" \"%s\" \"User Commands\"\n", esc(title), esc(version)
    print ".SH NAME"
    print esc(name) " \\- " esc(summary)
    print ".SH SYNOPSIS"
    print synopsis
    print ".SH DESCRIPTION"
    print esc($0)
    part = "body"
    next
}
/^$/ { blank = 1; next }
/^[^ ].*:$/ {
    heading = toupper(substr($0, 1, length($0) - 1))
    print (heading ~ / / ? ".SH \"" esc(heading) "\"" : ".SH " esc(heading))
    blank = 0; item = 0
    next
}
/^  [^ ]/ {
    line = trim($0)
    print ".TP"
    if (match(line, /  +/)) {
        text = trim(substr(line, RSTART))
        print fonts(substr(line, 1, RSTART - 1))
        print esc(text)
    } else {
        print fonts(line)
    }
    blank = 0; item = 1
    next
}
/^      / { print ".br"; print esc(trim($0)); next }
/^    / { print esc(trim($0)); next }
{
    if (blank || item) print ".PP"
    print esc($0)
    blank = 0; item = 0
}
END {
    if (see_also != "") {
        print ".SH \"SEE ALSO\""
        split(see_also, page, "(")
        print "\\fB" esc(page[1]) "\\fR(" page[2]
    }
}
