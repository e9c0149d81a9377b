# Sourced by bench/startup.sh and bench/preview.sh: a work folder removed on
# exit, the program and its chart and print module copied into
# "$work/program" with two filled years beside them, a runtime folder for
# its lock, and libfaketime to start it on 2004-09-27 (with real file times,
# or fontconfig takes its caches for stale). Sets work and fake_env; expects
# build.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build/tolmar" "$build/tolmar-printing.so" "$work/program/"
"$build/bench/bench_fillyears" "$work/program"

preload=$(find /usr/lib -name libfaketime.so.1 -path '*faketime*' | head -n 1)
if [ -z "$preload" ]; then
  echo "libfaketime is not installed" >&2
  exit 1
fi
unset QT_QPA_PLATFORM
set -- --env "XDG_RUNTIME_DIR=$work/runtime" --env "LD_PRELOAD=$preload" \
  --env "FAKETIME=@2004-09-27 08:00:00" --env NO_FAKE_STAT=1
