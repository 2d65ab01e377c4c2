# The pane's owner destroys the pane at a random moment of the saver's life, twenty times over.
# The saver never crashes. It ends with status 0 once it has wrapped the pane; if the pane was
# gone before that, it says "Failed to open window" in a "Debug" box and ends with status 1.
source "$(dirname "$0")/preview_lib.sh"

runs=20
wrapped=0
for run in $(seq "$runs"); do
    start_owner || break
    start_saver /p "$pane"
    sleep "$(printf '0.%03d' $((RANDOM % 1000)))"
    kill -USR1 "$owner_pid"
    wait_for_exit_dismissing_dialogs 20 "$saver_pid"
    case "$status" in
    0) wrapped=$((wrapped + 1)) ;;
    1) [[ "$dialogs_seen" == *Debug* ]] || fail "run $run: status 1 without a message box" ;;
    *) fail "run $run: status $status (message boxes: ${dialogs_seen:-none})" ;;
    esac
    stop_owner
done
echo "$wrapped of $runs runs ended after the pane had been wrapped"
finish
