# /c: the About window. Its client area is green, with the picture pixel for pixel at
# (142, 55), the black title and the blue notice within their rectangles and the button; Alt+F4
# closes it and the process ends with status 0.
source "$(dirname "$0")/wine_lib.sh"

convert "$(bitmap_file 101)" expected_picture.png

# Wine draws the window's frame itself, so the client area is found by its colour: the
# rectangle that just holds every background pixel.
capture_client_area() {
    import -window root screen.png
    local box
    box=$(convert screen.png -fill black +opaque "$background" -format '%@' info:)
    [ "${box%%+*}" = "${client_width}x${client_height}" ] || {
        fail "client area is $box, not ${client_width}x${client_height}"
        return 1
    }
    convert screen.png -crop "$box" +repage client.png
}

start_saver /c
window=$(wait_for_window About) || { fail "no About window"; finish; }
sleep 1
if capture_client_area; then
    for point in "2 2" "391 2" "2 268" "391 268" "141 96" "252 96" "300 30"; do
        colour=$(colour_at client.png $point)
        [ "$colour" = "$background" ] || fail "($point) is $colour, not the background"
    done
    convert client.png -crop "$picture_rect" +repage picture.png
    differing=$(compare -metric AE picture.png expected_picture.png null: 2>&1)
    [ "$differing" = 0 ] || fail "$differing picture pixels differ from bitmap 101"
    title_black=$(count_colour client.png '#000000' "$title_rect")
    [ "$title_black" -ge 50 ] || fail "only $title_black black pixels in the title"
    notice_blue=$(count_colour client.png '#0033FF' "$notice_rect")
    [ "$notice_blue" -ge 50 ] || fail "only $notice_blue blue pixels in the notice"
    covered=$(count_other_than client.png "$background" "$button_rect")
    [ "$covered" -ge $(($(area "$button_rect") * 95 / 100)) ] ||
        fail "only $covered of the button's pixels differ from the background"
fi
xdotool windowfocus --sync "$window" key alt+F4
wait_for_exit 5 "$saver_pid"
[ "$status" = 0 ] || fail "Alt+F4: status $status"
finish
