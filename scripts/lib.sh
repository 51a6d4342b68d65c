# Sourced by the scripts: where the tree and the cache are, and how a build
# tree is made, by the presets of CMakePresets.json.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# scripts/setup cross-builds libjpeg for Windows into the cache once, and
# installs the workflow validator there (scripts/workflow-validator).
cache=${VELTRANA_CACHE:-$root/.cache}
workflow_validator=$cache/workflow-validator/node_modules/.bin/action-validator

# configure_tree PRESET [CMAKE ARGUMENTS...]: configures the preset's tree. The
# preset looks for libjpeg in .cache; VELTRANA_CACHE may name another cache.
# A tree configured before no longer reads the toolchain file: no warning.
configure_tree() {
  local preset=$1
  shift
  local jpeg=()
  if [ "$preset" = windows ]; then jpeg=("-DJPEG_PREFIX=$cache/libjpeg-i686"); fi
  (cd "$root" && cmake --preset "$preset" --no-warn-unused-cli "${jpeg[@]}" "$@" >/dev/null)
}

# build_tree PRESET [cmake --build ARGUMENTS...]: builds the preset's tree, all of
# it unless targets are given.
build_tree() {
  local preset=$1
  shift
  (cd "$root" && cmake --build --preset "$preset" "$@")
}
