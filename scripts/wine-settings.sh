# What every prefix of ours is given, the 64-bit and the 32-bit one alike;
# source it, then call apply_prefix_settings WINE with WINEPREFIX set.
#
# The templates name fonts that Linux does not have. The main window, which
# shows any text of the book, goes to FreeFarsi: Wine's text layout reads
# outside its buffers when a font positions a mark on a lam-alef ligature (a
# mark-to-ligature lookup) at the start of a run, as DejaVu Sans does, and
# FreeFarsi has no such lookup. The About window goes to a face made from
# DejaVu Serif's Latin and KacstBook's narrow Arabic (scripts/dialog-font.py),
# the only way its texts fit their boxes. Wine's own caption glyphs and system
# face come from Debian's fonts-wine, which Debian's Wine does not look in.
# A program that crashes writes a minidump and ends, instead of stopping
# under a debugger while its windows stay on the screen. The classic look:
# Wine's theme draws the themed scroll bar anew on every change of the result
# box, about 14 ms a keystroke, and differs from it only in borders.
KALIMOR_SETTINGS_FILES=("${BASH_SOURCE[0]}" "$(dirname "${BASH_SOURCE[0]}")/dialog-font.py")

apply_prefix_settings() {
  local wine=$1 scripts fonts font
  scripts=$(dirname "${BASH_SOURCE[0]}")
  fonts=$WINEPREFIX/drive_c/windows/Fonts
  mkdir -p "$fonts"
  # The Debian package brings the face made at its build (KALIMOR_DIALOG_FACE).
  if [ -n "${KALIMOR_DIALOG_FACE:-}" ]; then
    cp "$KALIMOR_DIALOG_FACE" "$fonts/KalimorDialog.ttf" || return 1
  else
    /usr/bin/python3 "$scripts/dialog-font.py" /usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf \
      /usr/share/fonts/truetype/kacst/KacstBook.ttf "$fonts/KalimorDialog.ttf" "Kalimor Dialog" || return 1
  fi
  cp /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$fonts/" || return 1
  "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "Simplified Arabic" /d "FreeFarsi" /f >/dev/null 2>&1 || return 1
  "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "Microsoft Sans Serif" /d "Kalimor Dialog" /f >/dev/null 2>&1 || return 1
  "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
    /d 'winedbg --minidump C:\kalimor-crash.mdmp %ld %ld' /f >/dev/null 2>&1 || return 1
  "$wine" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f >/dev/null 2>&1 || return 1
}
