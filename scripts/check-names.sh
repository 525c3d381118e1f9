#!/bin/bash
# Keeps the program's names in one voice (see the README's section on the code's layout):
# camelCase functions without underscores, members named in whole words, and each project's
# namespace its folder's name. Prints what breaks the rule and fails; silent otherwise.
set -u
shopt -s lastpipe  # report runs in this shell, so its status counts
cd "$(dirname "$0")/.."

projects="levers pendulum wheel lander weather circuits robotics trajectories rocketry probability"
folders="runtime platform shell app $projects"
headers=$(for d in $folders; do echo "$d/*.h"; done)
status=0

report() {  # report TITLE: prints the lines read on standard input under TITLE, if any
  local found
  found=$(cat)
  if [ -n "$found" ]; then
    echo "$1"
    echo "$found" | sed 's/^/  /'
    status=1
  fi
}

git grep -nE '\b[A-Za-z]+_[A-Z][a-z][A-Za-z]*\s*\(' -- $folders |
  report "Function names with an underscore:"

git grep -nE '\bm_[a-z]\b' -- $folders | report "One-letter members:"

# A declaration whose name starts with a capital and is no type's (a constructor's) name.
types=$(git grep -hoE '\b(class|struct|enum( class)?|using)\s+[A-Z]\w*' -- $folders | awk '{print $NF}' | sort -u |
  paste -sd'|')
git grep -nE '^\s*((virtual|static|inline|constexpr|explicit|friend|\[\[nodiscard\]\])\s+)*[A-Za-z_][A-Za-z0-9_:<>,\*& ]*[ \*&]([A-Z][A-Za-z0-9]*)\s*\(' -- $headers |
  grep -vE "\b($types)\s*\(" | grep -vE '^\S+:\s*(return|//|case|else|if|throw|new)\b' |
  report "Functions declared in PascalCase (functions are camelCase):"

# A project file's own namespace (the one its last closing brace names) is its folder's name.
for p in $projects; do
  for f in $(git ls-files "$p/*.h" "$p/*.cpp"); do
    own=$(grep -oE '^\}  // namespace \S+' "$f" | tail -1 | awk '{print $NF}')
    [ -z "$own" ] || [ "$own" = "$p" ] || [[ "$own" == "$p::"* ]] || echo "$f: namespace $own"
  done
done | report "Project files whose namespace is not their folder's name:"

exit $status
