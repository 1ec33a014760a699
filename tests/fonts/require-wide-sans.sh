#!/bin/sh
# Runs a test under wide-sans.conf only when its font is installed: without
# it "Arial" would quietly fall back to DejaVu Sans and the run would repeat
# the ordinary one.
for dir in /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation; do
    if [ -f "$dir/LiberationSans-Regular.ttf" ]; then
        exec "$@"
    fi
done
echo "Liberation Sans is not installed (fonts-liberation2; sh scripts/setup.sh installs it)" >&2
exit 1
