# "Visit website" hands the site's address to the desktop's URL handler once per click and
# leaves the window open.
source "$(dirname "$0")/about_lib.sh"

# A stand-in handler, first on the path, records how it was called.
mkdir -p bin
cat >bin/xdg-open <<HANDLER
#!/bin/sh
printf '%s %s\n' "\$#" "\$1" >>"$PWD/opened"
HANDLER
chmod +x bin/xdg-open
: >opened
export PATH="$PWD/bin:$PATH"

# wait_for_records COUNT: true once the handler has been called COUNT times (5 seconds at most).
wait_for_records() {
    for _ in $(seq 50); do
        [ "$(wc -l <opened)" -ge "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

start_saver /c
window=$(wait_for_window About) || { fail "no About window"; finish; }
wait_until_painted "$window" client.png || fail "window never painted"
read -r button_x button_y < <(echo "${button_rect#*+}" | tr + ' ')
xdotool mousemove --window "$window" $((button_x + 50)) $((button_y + 16))
for click in 1 2; do
    xdotool click 1
    wait_for_records "$click" || fail "click $click did not reach the handler"
done
sleep 0.5 # a late extra call would show up here
[ "$(wc -l <opened)" = 2 ] || fail "two clicks, $(wc -l <opened) calls"
while read -r count address; do
    [ "$count" = 1 ] || fail "handler got $count arguments"
    [[ "$address" =~ ^https://[a-z0-9.-]+\.[a-z]+/\?utm_source=About$ ]] || fail "address '$address'"
done <opened
[ "$(sort -u opened | wc -l)" = 1 ] || fail "the two clicks opened different addresses"

kill -0 "$saver_pid" 2>/dev/null || fail "process ended after the clicks"
xdotool search --onlyvisible --name '^About$' | grep -qx "$window" || fail "window gone after the clicks"
stop_saver
finish
