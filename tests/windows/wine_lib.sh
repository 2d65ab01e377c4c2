# Shared by the Windows end-to-end tests. Arguments: the saver as the X side starts it (under
# Wine), the pane owner, the resource script and Hollowlight.scr. The Linux tests' helpers and
# the About window's layout are shared as they are; only the starting of programs differs.
source "$(dirname "${BASH_SOURCE[0]}")/../about/about_lib.sh"

pane_owner=$2
scr=$4

# colour_count FILE GEOMETRY FX: how many pixels within GEOMETRY satisfy the ImageMagick
# expression FX (channels from 0 to 1).
colour_count() {
    convert "$1" -crop "$2" +repage -fx "$3" -format '%[fx:round(mean * w * h)]' info:
}

# check_scene FILE WHAT: the scene is on the picture: black sky in both upper corners (the
# swaying gourd may reach the top edge in the middle), a lit orange rind (red over green over
# blue) over most of the middle and some green grass along the bottom.
check_scene() {
    local file=$1 what=$2 width height
    read -r width height < <(identify -format '%w %h\n' "$file")
    local fifth=$((width / 5)) third_w=$((width / 3)) third_h=$((height / 3))
    local corner="${fifth}x$((height / 20))" strip=$((height / 12)) sky rind grass
    sky=$(($(colour_count "$file" "$corner+0+0" 'r + g + b > 0') +
        $(colour_count "$file" "$corner+$((width - fifth))+0" 'r + g + b > 0')))
    [ "$sky" = 0 ] || fail "$what: $sky sky pixels in the upper corners are not black"
    rind=$(colour_count "$file" "${third_w}x${third_h}+${third_w}+${third_h}" \
        'r > g && g > b && r > 0.24')
    [ "$rind" -ge $((third_w * third_h / 2)) ] ||
        fail "$what: only $rind orange pixels in the middle"
    grass=$(colour_count "$file" "${width}x${strip}+0+$((height - strip))" 'g > r && g > b')
    [ "$grass" -ge $((width * strip / 100)) ] || fail "$what: only $grass green pixels at the bottom"
}
