# Bash completion for okit: the commands, each command's options, the looks
# --state takes, form files (*.frm) where a FORM is expected, scenarios
# (*.scn) for okit script and folders for --skins and okit skins.

# Adds the files matching the glob $1 (all files when empty) and the folders
# that start with the word being completed.
_okit_files() {
  local IFS=$'\n'
  compopt -o filenames 2>/dev/null
  COMPREPLY+=($(compgen -d -- "$cur"))
  if [ -n "$1" ]; then
    COMPREPLY+=($(compgen -f -X "!$1" -- "$cur"))
  else
    COMPREPLY+=($(compgen -f -- "$cur"))
  fi
}

_okit() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  local commands="run render script check sheet skins design header web help"
  COMPREPLY=()
  if [ "$COMP_CWORD" -eq 1 ]; then
    COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
    return
  fi
  local command=${COMP_WORDS[1]}
  case $prev in
    --state)
      COMPREPLY=($(compgen -W "normal hover pressed focused disabled inactive" -- "$cur"))
      return ;;
    --scale)
      COMPREPLY=($(compgen -W "1 2 3 4" -- "$cur"))
      return ;;
    --skins | --runtime)
      compopt -o filenames 2>/dev/null
      COMPREPLY=($(compgen -d -- "$cur"))
      return ;;
    -o)
      case $command in
        header) _okit_files '*.h' ;;
        web)
          compopt -o filenames 2>/dev/null
          COMPREPLY=($(compgen -d -- "$cur")) ;;
        *) _okit_files '*.png' ;;
      esac
      return ;;
    --script)
      _okit_files ''
      return ;;
  esac
  local options
  case $command in
    run) options="--scale --skins --help" ;;
    render) options="-o --state --scale --tree --skins --help" ;;
    script) options="--help" ;;
    check) options="--json --help" ;;
    sheet) options="-o --scale --skins --help" ;;
    skins) options="--help" ;;
    design) options="--script --help" ;;
    header) options="-o --help" ;;
    web) options="-o --runtime --help" ;;
    help)
      [ "$COMP_CWORD" -eq 2 ] && COMPREPLY=($(compgen -W "$commands" -- "$cur"))
      return ;;
    *) return ;;
  esac
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
    return
  fi
  case $command in
    run | render | check | design | header | web) _okit_files '*.frm' ;;
    script) _okit_files '*.scn' ;;
    skins)
      compopt -o filenames 2>/dev/null
      COMPREPLY=($(compgen -d -- "$cur")) ;;
  esac
}
complete -F _okit okit
