# Case runner and Wine prefixes of the end-to-end tests (sourced by tests/e2e/run).
# One template prefix per run; every case group works in its own copy, removed when it ends.
# A case is a shell function run in a subshell: it passes by returning 0 and fails through
# `fail <why>`, which hands its reason to the runner on file descriptor 3.

e2e_failed=0

fail() {  # why...: records the reason of the running case and returns 1
    echo "$*" >&3
    return 1
}

# run_case name function [arguments...]: prints "PASS name" or "FAIL name: why".
run_case() {
    local name=$1 why rc
    shift
    : >"$E2E_WORK/reason"
    ("$@") 3>"$E2E_WORK/reason" >>"$E2E_WORK/cases.log" 2>&1
    rc=$?
    why=$(head -n 1 "$E2E_WORK/reason")
    if [ "$rc" -eq 0 ] && [ -z "$why" ]; then
        echo "PASS $name"
    else
        echo "FAIL $name: ${why:-exit status $rc}"
        e2e_failed=1
    fi
}

# e2e_start: work folder, display, template prefix and the payload listing of the setup.
e2e_start() {
    E2E_SETUP=$E2E_TOP/dist/x64/LumapixelSetup.exe
    E2E_WORK=$(mktemp -d /tmp/lumapixel-e2e.XXXXXX)
    export TZ=UTC  # archive times are local times; one fixed zone keeps them comparable
    : >"$E2E_WORK/cases.log"
    e2e_start_display || return 1
    [ -f "$E2E_SETUP" ] || { echo "FAIL setup_built: $E2E_SETUP is missing"; return 1; }
    E2E_TEMPLATE=$E2E_WORK/template
    wine_make_prefix "$E2E_TEMPLATE"
    WINEPREFIX=$E2E_TEMPLATE wineserver -k >/dev/null 2>&1
    wrestool -x --raw --type=ZIP --name=1974 "$E2E_SETUP" >"$E2E_WORK/payload.zip" &&
        zipinfo -T "$E2E_WORK/payload.zip" >"$E2E_WORK/payload.list" ||
        { echo "FAIL payload_readable: cannot extract the ZIP resource"; return 1; }
}

e2e_finish() {
    [ -z "${E2E_XVFB_PID:-}" ] || kill "$E2E_XVFB_PID" 2>/dev/null
    rm -rf "$E2E_WORK"
}

# One Xvfb for the whole run (windows and some shell calls need a display even when silent).
# The screen size fixes the toolbar skin the setup chooses: 1280 x 1024 at 96 dpi gives 24.
e2e_start_display() {
    local fd_file=$E2E_WORK/display
    Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$fd_file" 2>/dev/null &
    E2E_XVFB_PID=$!
    local i
    for i in $(seq 50); do
        [ -s "$fd_file" ] && break
        sleep 0.1
    done
    [ -s "$fd_file" ] || { echo "FAIL display: Xvfb did not start"; return 1; }
    export DISPLAY=:$(head -n 1 "$fd_file")
}

# use_prefix name [windows version]: a fresh copy of the template, made current and served by
# one persistent wineserver. The copy is removed by drop_prefix (called by the case groups).
use_prefix() {
    E2E_PREFIX=$E2E_WORK/$1
    wine_copy_prefix "$E2E_TEMPLATE" "$E2E_PREFIX"
    wineserver -p
    mkdir -p "$E2E_PREFIX/drive_c/start"
    [ -z "${2:-}" ] || wine_set_version "$2"
}

drop_prefix() {
    [ -n "${E2E_PREFIX:-}" ] || return 0
    wine_remove_prefix "$E2E_PREFIX"
    E2E_PREFIX=
}

# setup switches...: runs the setup with exactly this command-line tail, from C:\start, through
# a batch file so that quotes, blanks and percent signs reach the setup unchanged. Sets $rc to
# its exit code.
setup() {
    local bat=$E2E_PREFIX/drive_c/start/run.bat
    printf '@echo off\r\ncd /d C:\\start\r\n"%s" %s\r\nexit /b %%ERRORLEVEL%%\r\n' \
        "$(unix_to_win "$E2E_SETUP")" "${*//%/%%}" >"$bat"
    timeout 120 "$WINE64" cmd /c 'C:\start\run.bat' </dev/null >>"$E2E_WORK/cases.log" 2>&1
    rc=$?
}

# expect_rc code: the last setup run ended with this exit code.
expect_rc() {
    [ "$rc" = "$1" ] || fail "exit code $rc, expected $1"
}
