# The About window of /c: its size, place and class, and on its client area the green
# background, the picture pixel for pixel, the black title, the blue notice and the button,
# each within its own rectangle. A desktop that scales windows up changes none of it.
source "$(dirname "$0")/about_lib.sh"

read -r screen_width screen_height < <(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')
convert "$(bitmap_file 101)" expected_picture.png

check_place() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1")"
    [ "${WIDTH}x${HEIGHT}" = "${client_width}x${client_height}" ] ||
        fail "$case: client area is ${WIDTH}x${HEIGHT}"
    local centred="$(((screen_width - client_width) / 2)),$(((screen_height - client_height) / 2))"
    [ "$X,$Y" = "$centred" ] || fail "$case: window at $X,$Y, centred would be $centred"
    xprop -id "$1" WM_CLASS | grep -q '"DuskworksWindowClass"' ||
        fail "$case: X class: $(xprop -id "$1" WM_CLASS)"
}

# Points clear of every child, or inside a label but clear of its text.
check_background() {
    local x y where colour
    while read -r x y where; do
        colour=$(colour_at "$1" "$x" "$y")
        [ "$colour" = "$background" ] || fail "$case: $where ($x,$y) is $colour"
    done <<'POINTS'
2 2 top-left corner
391 2 top-right corner
2 268 bottom-left corner
391 268 bottom-right corner
80 30 left of the title
300 30 title label past its text
141 96 left of the picture
252 96 right of the picture
197 54 above the picture
197 138 below the picture
300 215 notice label below its text
149 225 left of the button
250 225 right of the button
200 209 above the button
200 242 below the button
POINTS
}

check_picture() {
    convert "$1" -crop "$picture_rect" +repage picture.png
    local differing
    differing=$(compare -metric AE picture.png expected_picture.png null: 2>&1)
    [ "$differing" = 0 ] || fail "$case: $differing picture pixels differ from bitmap 101"
}

# Text is antialiased, so only its fully covered pixels have exactly the text colour: enough of
# them inside the label, and none anywhere else (the picture may hold black of its own).
check_text() {
    local title_black notice_blue stray
    title_black=$(count_colour "$1" '#000000' "$title_rect")
    [ "$title_black" -ge 100 ] || fail "$case: only $title_black black pixels in the title"
    notice_blue=$(count_colour "$1" '#0033FF' "$notice_rect")
    [ "$notice_blue" -ge 100 ] || fail "$case: only $notice_blue blue pixels in the notice"
    convert "$1" -fill "$background" -draw "$(as_rectangle "$title_rect")" \
        -draw "$(as_rectangle "$picture_rect")" -draw "$(as_rectangle "$notice_rect")" outside.png
    stray=$(($(count_colour outside.png '#000000') + $(count_colour outside.png '#0033FF')))
    [ "$stray" = 0 ] || fail "$case: $stray text-coloured pixels outside the labels"
}

# The button covers its rectangle (only its rounded corners may let the green through).
check_button() {
    local covered
    covered=$(count_other_than "$1" "$background" "$button_rect")
    [ "$covered" -ge $(($(area "$button_rect") * 95 / 100)) ] ||
        fail "$case: only $covered of the button's pixels differ from the background"
}

for scale in 1 2; do
    case="desktop scale $scale"
    export GDK_SCALE=$scale
    start_saver /c
    window=$(wait_for_window About) || { fail "$case: no About window"; continue; }
    check_place "$window"
    if wait_until_painted "$window" "client_$scale.png"; then
        check_background "client_$scale.png"
        check_picture "client_$scale.png"
        check_text "client_$scale.png"
        check_button "client_$scale.png"
    else
        fail "$case: background never painted"
    fi
    stop_saver
done
finish
