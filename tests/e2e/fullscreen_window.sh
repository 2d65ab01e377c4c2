# /s and a start without a switch open a full-screen window of the screen's size.
source "$(dirname "$0")/lib.sh"

screen=$(xdpyinfo | awk '/dimensions:/ {print $2}')
for switch in /s ""; do
    start_saver $switch
    window=$(wait_for_window Hollowlight) || { fail "no window for '$switch'"; continue; }
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "${WIDTH}x${HEIGHT}" = "$screen" ] || fail "'$switch' window is ${WIDTH}x${HEIGHT}, screen $screen"
    [ "$X" = 0 ] && [ "$Y" = 0 ] || fail "'$switch' window is at $X,$Y"
    stop_saver
done
finish
