# Silent runs that stop: their exit code, their install-log entry in the starting directory and
# what they leave behind (sourced by tests/e2e/run).

expect_nothing_registered() {
    expect_no_reg 'HKLM\Software\Classes\Lumapixel' &&
        expect_no_reg 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumapixel'
}

# An empty /folder= stops with 5; two failed runs leave two entries, the folder part empty.
case_empty_folder() {
    rm -f "$(log_file)"
    setup /silent /folder= /group=1
    expect_rc 5 || return
    setup /silent /folder=
    expect_rc 5 || return
    expect_log "$MSG_INVALID_FOLDER: " "$MSG_INVALID_FOLDER: " || return
    [ ! -e "$(win_to_unix "$(program_files)\\Lumapixel")" ] || { fail "default folder created"; return 1; }
    [ ! -e "$(programs_dir)/Lumapixel" ] || { fail "start-menu group created"; return 1; }
    expect_nothing_registered
}

# A folder on a drive that does not exist stops with 11; the log names the folder as the
# folder routine left it (with its closing backslash).
case_folder_not_created() {
    rm -f "$(log_file)"
    [ ! -e "$E2E_PREFIX/dosdevices/q:" ] || { fail "the prefix has a drive Q:"; return 1; }
    setup /silent '/folder=Q:\Nowhere\Lumapixel '
    expect_rc 11 || return
    expect_log "$MSG_FOLDER_NOT_CREATED: Q:\\\\Nowhere\\\\Lumapixel\\\\" && expect_nothing_registered
}

# A temporary folder that does not exist makes the unpacking fail before the target folder is
# entered: exit code 7, log entry folder first, target and Plugins folders stay, no files.
case_extraction_fails_without_temp() {
    rm -f "$(log_file)"
    local var
    for var in TEMP TMP; do
        "$WINE64" reg add 'HKCU\Environment' /v $var /d 'C:\NoSuchTemp' /f >/dev/null 2>&1
    done
    setup /silent /folder=C:\\TempFail
    for var in TEMP TMP; do
        "$WINE64" reg add 'HKCU\Environment' /v $var /d '%USERPROFILE%\Temp' /t REG_EXPAND_SZ /f >/dev/null 2>&1
    done
    expect_rc 7 || return
    expect_log "C:\\\\TempFail\\\\: $MSG_EXTRACTION" || return
    [ -d "$E2E_PREFIX/drive_c/TempFail/Plugins" ] || { fail "target or Plugins folder removed"; return 1; }
    [ ! -e "$E2E_PREFIX/drive_c/TempFail/lumpix32.exe" ] || { fail "files unpacked"; return 1; }
    expect_nothing_registered
}

# A file where the archive needs a folder (Languages) makes an entry fail after the target
# folder was entered: exit code 7, and the log still lands in the starting directory.
case_extraction_fails_on_entry() {
    rm -f "$(log_file)"
    mkdir -p "$E2E_PREFIX/drive_c/Blocked"
    echo blocker >"$E2E_PREFIX/drive_c/Blocked/Languages"
    setup /silent /folder=C:\\Blocked
    expect_rc 7 || return
    [ ! -e "$E2E_PREFIX/drive_c/Blocked/Lumapixel_Install.log" ] ||
        { fail "log written into the target folder instead of C:\\start"; return 1; }
    expect_log "C:\\\\Blocked\\\\: $MSG_EXTRACTION" && expect_nothing_registered
}

# The viewer's window is open: a silent run is refused with 10 and installs nothing.
case_running_viewer() {
    local pf viewer pid i
    pf=$(program_files)
    viewer=$(win_to_unix "$pf\\Lumapixel\\lumpix32.exe")
    [ -f "$viewer" ] || { fail "no installed viewer to start"; return 1; }
    rm -f "$(log_file)"
    "$WINE64" "$pf\\Lumapixel\\lumpix32.exe" >/dev/null 2>&1 &
    pid=$!
    for i in $(seq 40); do  # until the viewer's process is listed, then give it its window
        "$WINE64" tasklist 2>/dev/null | grep -qi lumpix32 && break
        sleep 0.25
    done
    sleep 2
    setup /silent /folder=C:\\Second /group=1
    "$WINE64" taskkill /im lumpix32.exe >/dev/null 2>&1
    for i in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
    kill "$pid" 2>/dev/null
    expect_rc 10 || return
    expect_log "$MSG_VIEWER_RUNNING" || return
    [ ! -e "$E2E_PREFIX/drive_c/Second" ] || fail "installed beside the running viewer"
}
