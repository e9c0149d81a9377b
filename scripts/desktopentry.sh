# Installs the desktop entry that starts the program from its program
# folder, with its icon. Sourced by run.sh.

# A value of a desktop entry's string keys: backslashes doubled.
tolmar_desktop_string() {
  printf '%s' "${1//\\/\\\\}"
}

# The program's path as the Exec key takes it: quoted, with the characters
# that quoting reserves escaped, then as a string value, with % doubled.
tolmar_desktop_exec() {
  local path=$1
  path=${path//\\/\\\\}
  path=${path//\"/\\\"}
  path=${path//\`/\\\`}
  path=${path//\$/\\\$}
  path="\"${path}\""
  path=$(tolmar_desktop_string "$path")
  printf '%s' "${path//%/%%}"
}

# tolmar_install_desktop_entry FOLDER: the program FOLDER/tolmar with the
# icon FOLDER/tolmar.svg. The entry keeps one name, so installing again
# replaces it; it is written beside its place and renamed over it, so a
# menu never reads half an entry.
tolmar_install_desktop_entry() {
  local folder=$1
  local applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
  mkdir -p "$applications"
  local entry="$applications/tolmar.desktop"
  local partial
  partial=$(mktemp "$applications/.tolmar.desktop.XXXXXX")
  cat >"$partial" <<ENTRY
[Desktop Entry]
Type=Application
Version=1.4
Name=トルマーﾌﾟﾛｸﾞﾗﾑ
Comment=毎日の勤務時間と体調の記録
Exec=$(tolmar_desktop_exec "$folder/tolmar")
Path=$(tolmar_desktop_string "$folder")
Icon=$(tolmar_desktop_string "$folder/tolmar.svg")
Terminal=false
Categories=Office;
StartupWMClass=tolmar
ENTRY
  chmod 0644 "$partial"
  mv -f "$partial" "$entry"
}
