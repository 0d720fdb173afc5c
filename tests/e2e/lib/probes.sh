# Readers of what an installation left in a prefix: paths, files, registry, settings, shortcuts
# (sourced by tests/e2e/run). All output is UTF-8 text without carriage returns.

unix_to_win() {  # absolute Unix path: the same file through Wine's Z: drive
    local p=${1//\//\\}
    echo "Z:$p"
}

win_to_unix() {  # C:\... path: the file inside the current prefix (drive C: only)
    local p=${1#[Cc]:}
    p=${p//\\//}
    echo "$E2E_PREFIX/drive_c${p%/}"
}

# reg_dump key: the key and its subkeys as "[path]" lines and "name=data" lines, strings
# unescaped, the default value named "@"; nothing when the key does not exist.
reg_dump() {
    local out=$E2E_WORK/reg.$$.reg
    rm -f "$out"
    "$WINE64" reg export "$1" "$out" /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$out" | tr -d '\r' | awk '
        /^\[/ { print; next }
        /^@=/ || /^"/ {
            line = $0; name = "@"
            if (substr(line, 1, 1) == "\"") {
                match(line, /^"([^"\\]|\\.)*"=/)
                name = substr(line, 2, RLENGTH - 3); line = substr(line, RLENGTH + 1)
            } else line = substr(line, 3)
            if (substr(line, 1, 1) == "\"") line = substr(line, 2, length(line) - 2)
            gsub(/\\\\/, "\001", name); gsub(/\\"/, "\"", name); gsub(/\001/, "\\", name)
            gsub(/\\\\/, "\001", line); gsub(/\\"/, "\"", line); gsub(/\001/, "\\", line)
            print name "=" line
        }'
    rm -f "$out"
}

# reg_get key name: the data of one value ("@" for the default); status 1 when it is missing.
# Key paths are compared without regard to case, as Windows does.
reg_get() {
    reg_dump "$1" | awk -v key="$1" -v name="$2" '
        BEGIN { k = tolower(key); sub(/^hklm\\/, "hkey_local_machine\\", k)
                sub(/^hkcu\\/, "hkey_current_user\\", k); sub(/^hkcr\\/, "hkey_classes_root\\", k) }
        /^\[/ { inkey = (tolower(substr($0, 2, length($0) - 2)) == k); next }
        inkey && index($0, name "=") == 1 { print substr($0, length(name) + 2); found = 1; exit }
        END { exit !found }'
}

# reg_values key: number of values directly in the key (the default counts when it is set).
reg_values() {
    reg_dump "$1" | awk -v n=0 '/^\[/ { if (seen) exit; seen = 1; next } { n++ } END { print n }'
}

reg_exists() {  # key
    "$WINE64" reg query "$1" >/dev/null 2>&1
}

# expect_reg key name data: one value holds exactly this data.
expect_reg() {
    local got
    got=$(reg_get "$1" "$2") || { fail "$1 lacks $2"; return 1; }
    [ "$got" = "$3" ] || fail "$1 $2 is '$got', expected '$3'"
}

expect_no_reg() {  # key [name]: the key (or the value) does not exist
    if [ $# -eq 1 ]; then
        ! reg_exists "$1" || fail "$1 exists"
    else
        ! reg_get "$1" "$2" >/dev/null || fail "$1 has $2"
    fi
}

# ini_text file: a settings file as UTF-8 (UTF-16LE with byte-order mark, or 8-bit Latin-1).
ini_text() {
    if [ "$(head -c 2 "$1" | od -An -tx1 | tr -d ' ')" = fffe ]; then
        tail -c +3 "$1" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r'
    else
        iconv -f LATIN1 -t UTF-8 "$1" | tr -d '\r'
    fi
}

# ini_get file section key: the value, status 1 when missing (sections and keys ignore case).
ini_get() {
    ini_text "$1" | awk -v s="$2" -v k="$3" '
        /^\[/ { in_s = (tolower($0) == "[" tolower(s) "]"); next }
        in_s && tolower(substr($0, 1, length(k) + 1)) == tolower(k) "=" {
            print substr($0, length(k) + 2); found = 1; exit }
        END { exit !found }'
}

expect_ini() {  # file section key value
    local got
    [ -f "$1" ] || { fail "no settings file $1"; return 1; }
    got=$(ini_get "$1" "$2" "$3") || { fail "$(basename "$1") lacks [$2] $3"; return 1; }
    [ "$got" = "$4" ] || fail "$(basename "$1") [$2] $3 is '$got', expected '$4'"
}

expect_no_ini() {  # file section key
    ! ini_get "$1" "$2" "$3" >/dev/null || fail "$(basename "$1") has [$2] $3"
}

# lnk_field file field: one field of lnkinfo's report ("Local path", "Command line arguments",
# "Icon location", "Icon index", "Description"); empty when the link lacks it.
lnk_field() {
    lnkinfo "$1" 2>/dev/null | sed -n "s/^\t$2[[:space:]]*: //p" | head -n 1
}

# expect_lnk file target arguments icon-location icon-index [description]
expect_lnk() {
    local f=$1 want got field i=2
    [ -f "$f" ] || { fail "no shortcut $(basename "$f")"; return 1; }
    for field in "Local path" "Command line arguments" "Icon location" "Icon index" "Description"; do
        [ $i -le $# ] || break
        want=${!i}
        got=$(lnk_field "$f" "$field")
        [ "$want" = "*" ] || [ "$got" = "$want" ] ||
            { fail "$(basename "$f"): $field is '$got', expected '$want'"; return 1; }
        i=$((i + 1))
    done
}

# The payload's file entries as "size time name" (time as zipinfo's yyyymmdd.hhmmss).
payload_files() {
    awk '$1 ~ /^-[-r]/ && NF >= 8 && $4 ~ /^[0-9]+$/ { name = $8; for (i = 9; i <= NF; i++)
        name = name " " $i; if (name !~ /\/$/) print $4, $7, name }' "$E2E_WORK/payload.list"
}

# expect_payload_installed folder [skipped name]: every file entry is there with its size and
# the archive's time as its modification time; the skipped entry is not checked.
expect_payload_installed() {
    local dir=$1 skip=${2:-} size time name f got
    while read -r size time name; do
        [ "$name" != "$skip" ] || continue
        f=$dir/$name
        [ -f "$f" ] || { fail "$name not installed"; return 1; }
        got=$(stat -c %s "$f")
        [ "$got" = "$size" ] || { fail "$name has $got bytes, archive $size"; return 1; }
        got=$(date -u -d "@$(stat -c %Y "$f")" +%Y%m%d.%H%M%S)
        [ "$got" = "$time" ] || { fail "$name dated $got, archive $time"; return 1; }
    done < <(payload_files)
}

# The install log in C:\start as UTF-8 lines, after checking its bytes: 8-bit text, CR LF
# line ends only, every entry "<date> - hh:mm:ss: " and closed by 48 hyphens.
log_file() { echo "$E2E_PREFIX/drive_c/start/Lumapixel_Install.log"; }

# Messages of the setup's string table, as the log holds them (\n: line break).
MSG_INVALID_FOLDER='Ungültiges Zielverzeichnis!'
MSG_EXTRACTION='Fehler beim Installieren!\n\nÜberprüfen Sie bitte ob Lumapixel läuft, das Zielverzeichnis voll ist oder keine Schreibrechte vorhanden sind!\n\n(Der Installer sollte im ADMIN-Modus gestartet werden, z.B. den Installer mit der rechten Maustaste anklicken)'
MSG_VIEWER_RUNNING='Warnung: Lumapixel läuft!\nBeenden Sie bitte Lumapixel bevor Sie mit der Installation fortsetzen!'
MSG_FOLDER_NOT_CREATED='Kann Zielverzeichnis nicht erstellen!\n\nBitte überprüfen Sie Ihre Schreibrechte und System-Policies!\n\nVersuchen Sie das Zielverzeichnis zuerst händisch zu erstellen.'

# expect_log entry...: the install log in C:\start holds exactly these entries (UTF-8 texts with
# \n for line breaks), each "<date> - hh:mm:ss: <entry>" and a separator of 48 hyphens, written
# in Latin-1 with CR LF line ends.
expect_log() {
    local log want got entry
    log=$(log_file)
    [ -f "$log" ] || { fail "no install log in C:\\start"; return 1; }
    [ -z "$(sed -n '/\r$/!p' "$log")" ] || { fail "log has a line end without CR"; return 1; }
    want=$(for entry in "$@"; do printf '<stamp>%b\n%s\n' "$entry" \
        ------------------------------------------------; done)
    got=$(iconv -f LATIN1 -t UTF-8 "$log" | tr -d '\r' |
        sed -E 's#^[^ ]*[0-9]{4}[^ ]* - [0-2][0-9]:[0-5][0-9]:[0-5][0-9]: #<stamp>#')
    [ "$got" = "$want" ] || fail "log is '$(tr '\n' '|' <<<"$got")', expected '$(tr '\n' '|' <<<"$want")'"
}

expect_no_log() {
    [ ! -e "$(log_file)" ] || fail "an install log was written: $(head -c 200 "$(log_file)" | tr '\r\n' '  ')"
}

# The folders Wine gives the current user (the only user of a prefix).
user_dir() { local d; for d in "$E2E_PREFIX"/drive_c/users/*; do [ "${d##*/}" = Public ] || echo "$d"; done | head -n 1; }
appdata_dir() { echo "$(user_dir)/AppData/Roaming"; }
programs_dir() { echo "$(appdata_dir)/Microsoft/Windows/Start Menu/Programs"; }
desktop_dir() { echo "$(user_dir)/Desktop"; }
common_programs_dir() { echo "$E2E_PREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"; }
common_desktop_dir() { echo "$E2E_PREFIX/drive_c/users/Public/Desktop"; }

program_files() {  # Wine's ProgramFilesDir as a Windows path
    reg_get 'HKLM\Software\Microsoft\Windows\CurrentVersion' ProgramFilesDir
}
