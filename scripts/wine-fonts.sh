# The dialogs' fonts mapped to installed ones in a Wine prefix, the same for
# every prefix; source it, then call map_dialog_fonts WINE with WINEPREFIX set.
# Wine's text layout reads outside its buffers when a font positions a mark on
# a lam-alef ligature (a mark-to-ligature lookup) at the start of a run, as
# DejaVu Sans does: the templates' fonts go to a face without such lookups.
map_dialog_fonts() {
  local wine=$1 font
  for font in "Simplified Arabic" "Microsoft Sans Serif"; do
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /d "FreeFarsi" /f >/dev/null 2>&1 || return 1
  done
}
