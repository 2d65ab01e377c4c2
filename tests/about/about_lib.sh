# Shared by the About window tests: the end-to-end helpers, the window's layout in client
# coordinates, and pixel reading from screenshots. The third argument is the resource script.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

resource_script=$3

client_width=394
client_height=271
background='#B1E8B3'
# Rectangles as ImageMagick geometry (WIDTHxHEIGHT+X+Y).
title_rect=280x20+98+20
notice_rect=380x80+20+150
picture_rect=110x83+142+55
button_rect=100x32+150+210

# The file the resource script names for bitmap RESOURCE-ID.
bitmap_file() {
    local file
    file=$(awk -v id="$1" '$1 == id && $2 == "BITMAP" { gsub(/"/, "", $3); print $3 }' \
        "$resource_script")
    echo "$(dirname "$resource_script")/$file"
}

# capture_client WINDOW FILE: the window's client area as it is on the screen.
capture_client() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

# colour_at FILE X Y: the pixel's colour as #RRGGBB.
colour_at() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | awk 'NR == 2 { print $3 }'
}

# count_colour FILE COLOUR [GEOMETRY]: how many pixels are exactly COLOUR (#RRGGBB), within
# GEOMETRY when it is given. (Every other pixel is made transparent, and the opaque ones counted.)
count_colour() {
    convert "$1" ${3:+-crop "$3" +repage} +transparent "$2" -alpha extract \
        -format '%[fx:round(mean * w * h)]' info:
}

# count_other_than FILE COLOUR GEOMETRY: how many pixels within GEOMETRY are not COLOUR.
count_other_than() {
    convert "$1" -crop "$3" +repage -transparent "$2" -alpha extract \
        -format '%[fx:round(mean * w * h)]' info:
}

# area GEOMETRY: its width times its height.
area() {
    local size=${1%%+*}
    echo $((${size%x*} * ${size#*x}))
}

# as_rectangle GEOMETRY: the corners ImageMagick's -draw rectangle takes.
as_rectangle() {
    local size=${1%%+*} offset=${1#*+}
    local x=${offset%+*} y=${offset#*+}
    echo "rectangle $x,$y $((x + ${size%x*} - 1)),$((y + ${size#*x} - 1))"
}

# wait_until_painted WINDOW FILE: captures the client area into FILE once its top-left corner
# shows the background, waiting up to 5 seconds.
wait_until_painted() {
    for _ in $(seq 50); do
        capture_client "$1" "$2"
        [ "$(colour_at "$2" 2 2)" = "$background" ] && return 0
        sleep 0.1
    done
    return 1
}
