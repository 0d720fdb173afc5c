# Silent installations that succeed: defaults, target and settings folders, updates and the
# icon library (sourced by tests/e2e/run; every case runs in the prefix its group made current).

unicode_header='; UNICODE FILE - edit with care ;-)'

# The settings file is UTF-16LE with one byte-order mark and one header line and an empty line.
expect_unicode_settings() {  # file
    [ -f "$1" ] || { fail "no settings file $1"; return 1; }
    [ "$(head -c 2 "$1" | od -An -tx1 | tr -d ' ')" = fffe ] ||
        { fail "$(basename "$1") has no UTF-16LE byte-order mark"; return 1; }
    [ "$(ini_text "$1" | sed -n 1p)" = "$unicode_header" ] && [ -z "$(ini_text "$1" | sed -n 2p)" ] ||
        { fail "$(basename "$1") does not start with the header line and an empty line"; return 1; }
    [ "$(ini_text "$1" | grep -cF "$unicode_header")" = 1 ] || fail "$(basename "$1") has a second header"
}

expect_8bit_settings() {  # file
    [ -f "$1" ] || { fail "no settings file $1"; return 1; }
    [ "$(head -c 2 "$1" | od -An -tx1 | tr -d ' ')" != fffe ] || fail "$(basename "$1") was converted to UTF-16"
}

# Language and toolbar keys of a first installation on the 1280 x 1024 test screen.
expect_first_settings() {  # file
    expect_ini "$1" Language DLL DEUTSCH.DLL &&
        expect_ini "$1" Language Lang Deutsch &&
        expect_ini "$1" Toolbar Skin Thornway_24.png &&
        expect_ini "$1" Toolbar Size 24
}

open_command() {  # install folder (Windows path with closing backslash)
    printf '"%slumpix32.exe" "%%1"' "$1"
}

case_default_install() {
    rm -f "$(log_file)"
    setup /silent
    expect_rc 0 || return
    local pf dir ini
    pf=$(program_files)
    [ -n "$pf" ] || { fail "no ProgramFilesDir in the prefix"; return 1; }
    dir=$(win_to_unix "$pf\\Lumapixel")
    expect_payload_installed "$dir" || return
    ini=$(appdata_dir)/Lumapixel/lumpix32.ini
    expect_unicode_settings "$ini" && expect_first_settings "$ini" || return
    expect_8bit_settings "$dir/lumpix32.ini" &&
        expect_ini "$dir/lumpix32.ini" Others INI_Folder '%APPDATA%\Lumapixel' || return
    [ "$(ini_text "$dir/lumpix32.ini" | grep -c =)" = 1 ] ||
        { fail "program folder's lumpix32.ini holds more than INI_Folder"; return 1; }
    expect_no_log || return
    [ ! -e "$(user_dir)/Temp/lumpxg_x32.zip" ] || { fail "temporary archive left behind"; return 1; }
    expect_reg 'HKLM\Software\Classes\Lumapixel\shell\open\command' @ \
        "$(open_command "$pf\\Lumapixel\\")" || return
    [ ! -e "$(programs_dir)/Lumapixel" ] || { fail "start-menu group made without /group=1"; return 1; }
    [ -z "$(ls "$(desktop_dir)")" ] ||
        { fail "desktop shortcuts made without /desktop=1: $(ls "$(desktop_dir)")"; return 1; }
    # The folder browse verbs come only with the thumbnails shortcut.
    expect_no_reg "$verb_key" && expect_no_reg "$drive_verb_key"
}

# An update over the default installation keeps a Unicode settings file byte for byte when the
# profile writes change nothing: the chosen skin and other settings stay, no second header.
case_update_keeps_settings() {
    local pf dir ini before
    pf=$(program_files)
    dir=$(win_to_unix "$pf\\Lumapixel")
    ini=$(appdata_dir)/Lumapixel/lumpix32.ini
    [ -f "$ini" ] || { fail "no earlier installation to update"; return 1; }
    { printf '\xff\xfe'
      printf '%s\r\n\r\n[Language]\r\nDLL=DEUTSCH.DLL\r\nLang=Deutsch\r\n[Toolbar]\r\nSkin=Pebble_16.png\r\nSize=16\r\n[Viewer]\r\nTitel=Bär\r\n' \
          "$unicode_header" | iconv -f UTF-8 -t UTF-16LE; } >"$ini"
    cp "$ini" "$E2E_WORK/settings.before"
    rm -f "$dir/lumpix32.exe"
    setup /silent
    expect_rc 0 || return
    [ -f "$dir/lumpix32.exe" ] || { fail "update did not install into the previous folder"; return 1; }
    cmp -s "$ini" "$E2E_WORK/settings.before" ||
        fail "settings changed: $(ini_text "$ini" | tr '\n' '|')"
    expect_ini "$dir/lumpix32.ini" Others INI_Folder '%APPDATA%\Lumapixel'
}

# /folder= in quotes, with blanks around and inside: the quotes and outer blanks go, the
# installation and every path written point into the folder.
case_quoted_folder() {
    setup /silent '/folder="  C:\My Tools\LP View " /desktop=1/group=1'
    expect_rc 0 || return
    expect_payload_installed "$(win_to_unix 'C:\My Tools\LP View')" || return
    expect_reg 'HKLM\Software\Classes\Lumapixel\shell\open\command' @ \
        "$(open_command 'C:\My Tools\LP View\')" || return
    expect_lnk "$(desktop_dir)/Lumapixel.lnk" 'C:\My Tools\LP View\lumpix32.exe' '' '*' '*' \
        'Lumapixel - Bildbetrachter' || return
    expect_lnk "$(programs_dir)/Lumapixel/Lumapixel 4.66.lnk" 'C:\My Tools\LP View\lumpix32.exe' || return
    [ ! -e "$(desktop_dir)/Lumapixel Thumbnails.lnk" ] || fail "thumbnails shortcut made without /thumbs=1"
}

# An empty /ini= keeps the settings beside the viewer, converted to Unicode, without INI_Folder.
case_ini_empty() {
    setup /silent /folder=C:\\IniEmpty /ini= /desktop=0
    expect_rc 0 || return
    local ini=$E2E_PREFIX/drive_c/IniEmpty/lumpix32.ini
    expect_unicode_settings "$ini" && expect_first_settings "$ini" &&
        expect_no_ini "$ini" Others INI_Folder
}

# A quoted /ini= folder with a blank: created, holds the settings; the program folder's file
# only points to it and stays 8-bit.
case_ini_quoted() {
    setup /silent /folder=C:\\IniQuoted '/ini="C:\Lp Settings\Mine"'
    expect_rc 0 || return
    local ini=$E2E_PREFIX/drive_c/Lp\ Settings/Mine/lumpix32.ini program=$E2E_PREFIX/drive_c/IniQuoted/lumpix32.ini
    expect_unicode_settings "$ini" && expect_first_settings "$ini" || return
    expect_8bit_settings "$program" && expect_ini "$program" Others INI_Folder 'C:\Lp Settings\Mine' &&
        expect_no_ini "$program" Language DLL
}

# A reference to an unset variable vanishes with its percent signs; INI_Folder keeps it.
case_ini_unset_reference() {
    setup /silent /folder=C:\\IniRef '/ini=C:\Cfg%LP_E2E_UNSET%\Data'
    expect_rc 0 || return
    local ini=$E2E_PREFIX/drive_c/Cfg/Data/lumpix32.ini
    expect_unicode_settings "$ini" && expect_first_settings "$ini" &&
        expect_ini "$E2E_PREFIX/drive_c/IniRef/lumpix32.ini" Others INI_Folder 'C:\Cfg%LP_E2E_UNSET%\Data'
}

# Settings below a "Lumapixel32_App" folder: the portable layout also presets the program
# folder's file with the language and the 24-pixel skin.
case_ini_portable() {
    setup /silent '/folder=C:\Lumapixel32_App' '/ini=C:\Lumapixel32_App\Data'
    expect_rc 0 || return
    local ini=$E2E_PREFIX/drive_c/Lumapixel32_App/Data/lumpix32.ini
    local program=$E2E_PREFIX/drive_c/Lumapixel32_App/lumpix32.ini
    expect_unicode_settings "$ini" && expect_first_settings "$ini" || return
    expect_8bit_settings "$program" &&
        expect_ini "$program" Others INI_Folder 'C:\Lumapixel32_App\Data' &&
        expect_ini "$program" Language DefaultLang DEUTSCH.DLL &&
        expect_ini "$program" Language Lang Deutsch &&
        expect_ini "$program" Toolbar Skin Thornway_24.png &&
        expect_ini "$program" Toolbar Size 24
}

# An 8-bit settings file of an earlier version beside the viewer: converted to UTF-16LE with
# the header and an empty line in front of its old content, umlauts intact.
case_old_settings_converted() {
    local dir=$E2E_PREFIX/drive_c/Tools/LP
    mkdir -p "$dir"
    printf '[Viewer]\r\nTitel=B\xe4r\r\n' >"$dir/lumpix32.ini"
    setup /silent /folder=C:\\Tools\\LP /ini=
    expect_rc 0 || return
    expect_unicode_settings "$dir/lumpix32.ini" || return
    [ "$(ini_text "$dir/lumpix32.ini" | sed -n 3,4p)" = $'[Viewer]\nTitel=Bär' ] ||
        { fail "old content not converted: $(ini_text "$dir/lumpix32.ini" | tr '\n' '|')"; return 1; }
    expect_first_settings "$dir/lumpix32.ini"
}

# A later plain /silent finds the registered folder, installs there and, outside the default
# program folder, keeps the settings beside the viewer.
case_update_finds_previous_folder() {
    local dir=$E2E_PREFIX/drive_c/Tools/LP pf
    [ -f "$dir/lumpix32.ini" ] || { fail "no earlier installation in C:\\Tools\\LP"; return 1; }
    rm -f "$dir/lumpix32.exe"
    setup /silent
    expect_rc 0 || return
    [ -f "$dir/lumpix32.exe" ] || { fail "not installed into the registered folder"; return 1; }
    pf=$(program_files)
    [ ! -e "$(win_to_unix "$pf\\Lumapixel")" ] || { fail "installed into the default folder"; return 1; }
    expect_unicode_settings "$dir/lumpix32.ini" && expect_no_ini "$dir/lumpix32.ini" Others INI_Folder
}

# Icons.dll already in Plugins: kept when newer or not ours, replaced when it has no version.
icon_case() {  # folder, fixture name, kept (1) or replaced (0)
    local dir=$E2E_PREFIX/drive_c/$1 fixture=$E2E_TOP/build/win64/tests/fixture_$2.dll
    [ -f "$fixture" ] || { fail "fixture $fixture not built"; return 1; }
    mkdir -p "$dir/Plugins"
    cp "$fixture" "$dir/Plugins/Icons.dll"
    touch -d '2020-02-02 10:00:00' "$dir/Plugins/Icons.dll"
    setup /silent "/folder=C:\\$1"
    expect_rc 0 || return
    expect_payload_installed "$dir" Plugins/Icons.dll || return
    if [ "$3" = 1 ]; then
        cmp -s "$fixture" "$dir/Plugins/Icons.dll" || { fail "installed Icons.dll was replaced"; return 1; }
        [ "$(date -u -r "$dir/Plugins/Icons.dll" +%F)" = 2020-02-02 ] || fail "kept Icons.dll got a new time"
    else
        unzip -p "$E2E_WORK/payload.zip" Plugins/Icons.dll | cmp -s - "$dir/Plugins/Icons.dll" ||
            fail "Icons.dll without version was not replaced"
    fi
}
case_icons_newer_kept() { icon_case IconsNewer version_440 1; }
case_icons_foreign_kept() { icon_case IconsForeign version_429 1; }
case_icons_unversioned_replaced() { icon_case IconsBare no_version 0; }
