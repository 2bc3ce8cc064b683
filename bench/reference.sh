#!/bin/sh
# The same least launcher as reference.c, as a POSIX shell script.
[ $# -ge 1 ] || exit 0
ini="${XDG_CONFIG_HOME:-.}/korvlink/korvlink.INI"
emulator=; viewer=; in_setup=; cr=$(printf "\r")
if [ -r "$ini" ]; then
  while IFS= read -r line || [ -n "$line" ]; do
    line=${line%"$cr"}
    case $line in
      \[[Ss][Ee][Tt][Uu][Pp]\]*) in_setup=1 ;;
      \[*) in_setup= ;;
      *=*) if [ -n "$in_setup" ]; then
             key=${line%%=*}; value=${line#*=}
             case $key in
               [Kk][Oo][Rr][Vv][Oo]' '[Pp][Aa][Tt][Hh]) emulator=$value ;;
               [Vv][Ii][Ee][Ww][Ee][Rr]' '[Pp][Aa][Tt][Hh]) viewer=$value ;;
             esac
           fi ;;
    esac
  done < "$ini"
fi
document=$1
case $document in */*) folder=${document%/*}/; name=${document##*/} ;; *) folder=; name=$document ;; esac
case $name in
  %*) data=$folder${name#%}; companion=$document ;;
  *) data=$document; companion=$folder%$name ;;
esac
if [ -e "$data" ] && [ -e "$companion" ]; then command=$emulator; target=$data
elif [ -e "$data" ]; then command=$viewer; target=$data
elif [ -e "$companion" ]; then command=$viewer; target=$companion
else echo "korvlink: Cannot find file $document" >&2; exit 0
fi
$command "$target" &
