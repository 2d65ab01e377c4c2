# /p in a pane of another process: the saver draws in the pane, a second /p ends at once with
# status 0, and destroying the pane ends the saver within a second with status 0.
source "$(dirname "$0")/wine_lib.sh"

pane_size=157x113
orange='r > g && g > b && r > 0.24'

# Wine shows OpenGL drawn into a child window in a hidden X window of the child's size rather
# than on the screen, so that window is where the picture is read back.
capture_preview() {
    local id
    for _ in $(seq 100); do
        id=$(xwininfo -root -tree | awk -v size=" $pane_size+" 'index($0, size) { print $1; exit }')
        [ -n "$id" ] && import -window "$id" preview.png 2>/dev/null &&
            [ "$(colour_count preview.png "$pane_size+0+0" "$orange")" -gt 0 ] && return 0
        sleep 0.2
    done
    return 1
}

# report_line WORD: the pane owner's report that starts with WORD, waiting up to 60 seconds.
# (Windows programs end their lines with CR LF.)
report_line() {
    for _ in $(seq 600); do
        tr -d '\r' <owner.log | grep -m1 "^$1 " && return 0
        sleep 0.1
    done
    return 1
}

rm -f go owner.log
mkfifo go
wine "$pane_owner" "$(winepath -w "$scr")" <go >owner.log 2>&1 &
owner_pid=$!
children+=("$owner_pid")
exec 3>go

report_line pane >/dev/null || { fail "the saver did not start in a pane"; finish; }
if capture_preview; then
    let_it_draw 2
    capture_preview
    check_scene preview.png "preview"
else
    fail "the preview never drew"
fi
echo next >&3
exec 3>&-

read -r _ status ms < <(report_line second)
[ "$status" = 0 ] && [ "${ms:-99999}" -le 5000 ] || fail "second /p: status $status after $ms ms"
[ "$(report_line first)" = "first running" ] || fail "$(report_line first)"
read -r _ status ms < <(report_line destroyed)
[ "$status" = 0 ] && [ "${ms:-99999}" -le 1000 ] ||
    fail "pane destroyed: status $status after $ms ms"
wait "$owner_pid"
finish
