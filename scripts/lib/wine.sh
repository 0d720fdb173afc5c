# Wine helpers shared by the test, run and benchmark scripts (source this file).
# Every prefix gets its own HOME; menus, Mono and Gecko are switched off; one wineserver is kept
# alive per WINEPREFIX while the caller runs.
WINE64=/usr/lib/wine/wine64

wine_env() {  # prefix folder
    export WINEPREFIX=$1
    export HOME=$1.home
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    mkdir -p "$HOME"
}

wine_make_prefix() {  # prefix folder: a fresh, initialised prefix
    wine_env "$1"
    rm -rf "$1"
    "$WINE64" wineboot -i >/dev/null 2>&1
    wineserver -w
    wine_unlink_user_folders "$1"
}

wine_unlink_user_folders() {  # prefix folder
    # Wine links Desktop, Documents and the like to $HOME; a copied prefix would then share the
    # template's folders. Real folders keep every prefix's shortcuts to itself.
    local link
    for link in "$1"/drive_c/users/*/*; do
        [ -L "$link" ] || continue
        rm -f "$link" && mkdir -p "$link"
    done
}

wine_copy_prefix() {  # template, copy
    rm -rf "$2" "$2.home"
    cp -a "$1" "$2"
    wine_env "$2"
}

wine_set_version() {  # Windows version name of the current prefix: winxp64, vista, win7, ...
    "$WINE64" reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1
}

wine_remove_prefix() {  # prefix folder
    WINEPREFIX=$1 wineserver -k >/dev/null 2>&1 || true
    rm -rf "$1" "$1.home"
}
