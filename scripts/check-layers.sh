#!/usr/bin/env bash
# The three layers of the program and which folders each may include from: app/ (start-up, main window)
# may include gui/ and the logic, gui/ (widgets) the logic, and the logic (convert/, numbers/, tables/)
# only itself. The logic also includes no Qt header beyond Qt Core, so it never builds a widget.
# And the logic describes no window: no control's name or objectName, no place, size in twips, grid place,
# label or button placement, focus order or picture file appears in it.
# Prints every line that breaks a rule and fails when there is one.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
qt_include=$(dirname "$(find /usr/include -path '*/qt6/QtCore/QString' -print -quit)")
qt_include=${qt_include%/QtCore}

allowed() {
    case "$1" in
    app) echo "app gui convert numbers tables" ;;
    gui) echo "gui convert numbers tables" ;;
    *) echo "convert numbers tables" ;;
    esac
}

faults=0
for layer in app gui convert numbers tables; do
    for file in "$layer"/*.h "$layer"/*.cpp "$layer"/*.h.in; do
        [ -e "$file" ] || continue
        while IFS= read -r line; do
            number=${line%%:*}
            target=$(sed -E 's/^[0-9]+:#include *["<]([^">]+)[">].*/\1/' <<<"$line")
            folder=${target%%/*}
            if [[ "$target" == */* && -d "$folder" && "$folder" != Qt* ]]; then
                # A header of the project: its folder must be one this layer may use.
                if ! grep -qw "$folder" <<<"$(allowed "$layer")"; then
                    echo "$file:$number: $layer/ may not include $target"
                    faults=$((faults + 1))
                fi
            elif [[ "$layer" != app && "$layer" != gui ]]; then
                # The logic: standard headers and Qt Core only.
                if [[ "$target" == Qt*/* ]]; then
                    module=${target%%/*}
                elif [[ "$target" == Q* ]]; then
                    module=""
                    for candidate in "$qt_include"/Qt*/; do
                        if [ -e "$candidate$target" ]; then
                            module=$(basename "$candidate")
                            break
                        fi
                    done
                else
                    module="std"
                fi
                if [[ "$module" != std && "$module" != QtCore ]]; then
                    echo "$file:$number: the logic may not include $target (${module:-unknown})"
                    faults=$((faults + 1))
                fi
            fi
        done < <(grep -n '^#include' "$file" || true)
    done
done
# A window word, a field named after a control's name ("frameName", "listNames"), or a text in the form
# of a control's name ("EBxCM", "lbxKidUS", "Command1", "Frame4").
window_words='objectName|[Tt]wips|[Ff]ocus ?[Oo]rder|[Gg]rid ?([Rr]ow|[Cc]olumn)|[Pp]lacement|[Pp]icture|[.](svg|png)\b'
name_fields='\b[a-z]+([A-Z][a-z]*)*Names?\b'
control_names='u?"(EBx|Ebx|ebx|lbx|lbl|Lbl|btn|opt|mnu|frm|Txt|fra|Toolbar|Command[0-9]|Frame[0-9]|Label[0-9]|List[0-9]|Shape[0-9]|Picture[0-9]|Image[0-9])'
for layer in convert numbers tables; do
    for file in "$layer"/*.h "$layer"/*.cpp; do
        [ -e "$file" ] || continue
        while IFS= read -r line; do
            echo "$file:${line%%:*}: the logic names or places a control: ${line#*:}"
            faults=$((faults + 1))
        done < <(grep -nE "$window_words|$name_fields|$control_names" "$file" || true)
    done
done

if [ "$faults" -gt 0 ]; then
    echo "$faults line(s) break the layers"
    exit 1
fi
echo "layers: every include goes downward, and the logic describes no window"
