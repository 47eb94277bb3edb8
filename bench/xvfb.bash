# Sourced by the bench scripts: an Xvfb of 1280x1024 without a window manager, on the display
# the server picks itself; DISPLAY is set, $travail is a scratch folder, both go at exit.
travail=$(mktemp -d)
exec 3>"$travail/affichage"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$travail/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$travail"' EXIT
for _ in $(seq 100); do [ -s "$travail/affichage" ] && break; sleep 0.05; done
export DISPLAY=:$(head -1 "$travail/affichage")
