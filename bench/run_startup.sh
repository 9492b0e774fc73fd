#!/usr/bin/env bash
# The desktop program's start-up: from the process's start to the first idle moment of its
# event loop (the window shown, the settings read), as the program measures it, and the whole
# process with its exit, five runs on an X server of its own (xvfb-run). The settings go to a
# folder of their own.
set -euo pipefail
build=${1:?usage: run_startup.sh RELEASE-BUILD-FOLDER}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/runs.sh" << INNER
#!/usr/bin/env bash
for run in 1 2 3 4 5; do
  /usr/bin/time -f "  whole process %e s, peak %M KiB" "$build/app/pellucor" --quit-when-idle
done
INNER
chmod +x "$work/runs.sh"
echo "pellucor start-up (goal: first idle within 1.5 s):"
XDG_CONFIG_HOME="$work/config" xvfb-run -a "$work/runs.sh" 2>&1 | grep -E "first idle|whole process"
