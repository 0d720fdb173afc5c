# Shell integration per Windows version: shortcuts, registration, associations, folder verbs
# and Store-app keys, over three installations in one prefix (sourced by tests/e2e/run).
# $E2E_VERSION names the prefix's Windows version (winxp64, vista, win7, win8, win81, win10).

pf_folder() { echo "$(program_files)\\Lumapixel\\"; }
is_xp() { [ "$E2E_VERSION" = winxp64 ]; }
user_choice() { echo "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.$1\\UserChoice"; }
explorer_ext() { echo "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.$1"; }
verb_key='HKLM\Software\Classes\Directory\shell\Durchsuchen mit &Lumapixel'
drive_verb_key='HKLM\Software\Classes\Drive\shell\Durchsuchen mit &Lumapixel'
store_key='HKCU\Software\Classes\AppXvhc4p7vz4b485xfp46hhk3fq3grkdgjg'

# The group's shortcuts: 8 on Windows 8 (no uninstaller), else 9, with their targets.
expect_group() {  # programs folder, install folder
    local g=$1/Lumapixel f=$2 want=9 n
    [ "$E2E_VERSION" != win8 ] && [ "$E2E_VERSION" != win81 ] || want=8
    n=$(find "$g" -maxdepth 1 -name '*.lnk' 2>/dev/null | wc -l)
    [ "$n" = $want ] || { fail "group holds $n shortcuts, expected $want"; return 1; }
    expect_lnk "$g/Lumapixel 4.66.lnk" "${f}lumpix32.exe" '' &&
        expect_lnk "$g/Lumapixel - Thumbnails.lnk" "${f}lumpix32.exe" /thumbs "${f}lumpix32.exe" 7 &&
        expect_lnk "$g/Lumapixel Hilfe.lnk" "${f}help\\lumpix32_deutsch.chm" '' &&
        expect_lnk "$g/Über Lumapixel.lnk" "${f}l_about.txt" || return
    if [ $want = 9 ]; then expect_lnk "$g/Lumapixel deinstallieren.lnk" "${f}lp_uninstall.exe"; fi
}

expect_uninstall_entry() {  # install folder
    local k='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumapixel' f=$1
    [ "$(reg_values "$k")" = 10 ] || { fail "uninstall entry holds $(reg_values "$k") values, expected 9 and the default"; return 1; }
    expect_reg "$k" DisplayName 'Lumapixel 4.66 (32-bit)' &&
        expect_reg "$k" UninstallString "\"${f}lp_uninstall.exe\"" &&
        expect_reg "$k" Publisher Quellmark &&
        expect_reg "$k" InstallLocation "$f" &&
        expect_reg "$k" DisplayVersion 4.66 &&
        expect_reg "$k" DisplayIcon "${f}lumpix32.exe,0" &&
        expect_reg "$k" VersionMajor dword:00000004 &&
        expect_reg "$k" VersionMinor dword:00000042 &&
        expect_reg "$k" EstimatedSize dword:00001800
}

# First installation: group, both desktop shortcuts, no file type chosen.
case_shell_first() {
    local f
    setup /silent /group=1 /desktop=1 /thumbs=1
    expect_rc 0 || return
    f=$(pf_folder)
    expect_group "$(programs_dir)" "$f" || return
    expect_lnk "$(desktop_dir)/Lumapixel.lnk" "${f}lumpix32.exe" '' '*' '*' 'Lumapixel - Bildbetrachter' &&
        expect_lnk "$(desktop_dir)/Lumapixel Thumbnails.lnk" "${f}lumpix32.exe" /thumbs "${f}lumpix32.exe" 7 \
            'Lumapixel - Thumbnails' || return
    expect_uninstall_entry "$f" || return
    expect_reg 'HKLM\Software\Classes\Lumapixel\shell\open\command' @ "\"${f}lumpix32.exe\" \"%1\"" &&
        expect_reg 'HKCR\Applications\lumpix32.exe' FriendlyAppName 'Lumapixel 32-bit' || return
    expect_no_reg "$(user_choice bmp)" && expect_no_reg "$store_key" || return
    if is_xp; then
        expect_no_reg "$verb_key" && expect_no_reg "$drive_verb_key" &&
            expect_no_reg 'HKLM\Software\Lumapixel' &&
            expect_no_reg "$(explorer_ext jpg)" ProgID
    else
        expect_reg "$verb_key" @ 'Durchsuchen mit &Lumapixel' &&
            expect_reg "$verb_key\\command" @ "\"${f}lumpix32.exe\" \"%1\" /thumbs" &&
            expect_reg "$drive_verb_key" @ 'Durchsuchen mit &Lumapixel' &&
            expect_reg "$drive_verb_key\\command" @ "\"${f}lumpix32.exe\" \"%1\" /thumbs" &&
            expect_reg 'HKLM\Software\Classes\.jpg' @ Lumapixel.jpg &&
            expect_reg 'HKLM\Software\Lumapixel\Capabilities\FileAssociations' .dib Lumapixel.bmp &&
            [ "$(reg_values 'HKLM\Software\Lumapixel\Capabilities\FileAssociations')" = 87 ] ||
            fail "capabilities do not list the 87 extensions"
    fi
}

# Second installation with /assoc=1: the images become the viewer's, sounds do not.
case_shell_assoc_images() {
    setup /silent /assoc=1
    expect_rc 0 || return
    if is_xp; then
        expect_reg "$(explorer_ext gif)" ProgID Lumapixel.gif &&
            expect_no_reg "$(explorer_ext wav)" ProgID || return
        [ "$(reg_get 'HKLM\Software\Classes\.gif' @)" != Lumapixel.gif ] || fail "machine-wide .gif changed without /assocallusers"
    else
        expect_reg "$(user_choice bmp)" Progid Lumapixel.bmp &&
            expect_reg "$(user_choice dib)" Progid Lumapixel.bmp &&
            expect_reg 'HKLM\Software\Classes\.dib' @ Lumapixel.bmp &&
            expect_no_reg "$(user_choice wav)" || return
        if [ "$E2E_VERSION" = win10 ]; then
            expect_reg "$store_key" NoOpenWith ''
        else
            expect_no_reg "$store_key"
        fi
    fi
}

# Third installation: every type, for all users, shortcuts in the all-users folders. The
# current user's shortcuts of the first installation stay; the uninstall entry is rewritten.
case_shell_all_users() {
    local f
    setup /silent /assoc=2 /assocallusers /allusers=1 /desktop=1 /group=1
    expect_rc 0 || return
    f=$(pf_folder)
    expect_group "$(common_programs_dir)" "$f" &&
        expect_lnk "$(common_desktop_dir)/Lumapixel.lnk" "${f}lumpix32.exe" || return
    [ ! -e "$(common_desktop_dir)/Lumapixel Thumbnails.lnk" ] || { fail "all-users thumbnails shortcut without /thumbs=1"; return 1; }
    [ -f "$(desktop_dir)/Lumapixel Thumbnails.lnk" ] || { fail "current user's shortcuts removed"; return 1; }
    expect_uninstall_entry "$f" || return
    if is_xp; then
        expect_reg 'HKLM\Software\Classes\.gif' @ Lumapixel.gif && expect_reg "$(explorer_ext wav)" ProgID Lumapixel.wav
    else
        expect_reg "$(user_choice wav)" Progid Lumapixel.wav
    fi
}
