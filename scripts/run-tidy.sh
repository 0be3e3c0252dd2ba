#!/usr/bin/env bash
# Runs clang-tidy 14 with the project's .clang-tidy over the program's own sources (not the
# tests, fuzz targets or benchmarks), warnings as errors, and prints a summary by check and
# by file. Needs a configured and built tree: the compile database and the generated headers
# come from it. Files that AUTOMOC and the resource compiler generate are not checked.
#
#   scripts/run-tidy.sh [-p BUILD_DIR] [-j JOBS] [-b BASE] [FILE...]
#
# Without FILEs every .cpp file of the source folders is checked; headers are checked through
# the sources that include them. With -b only the sources changed since BASE are (committed
# or not), with the sources that include a changed header; a change to the tidy setup itself
# checks everything. BASE "auto" is origin/main or else main; on that branch itself, the last
# commit's changes. BASE "all", or one that does not resolve, checks everything.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build_dir=build/ci
jobs=$(nproc)
base=all
while getopts "p:j:b:" opt; do
    case $opt in
    p) build_dir=$OPTARG ;;
    j) jobs=$OPTARG ;;
    b) base=$OPTARG ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))

source_dirs=(app dbase dialogs views link cli tools)

if ! command -v clang-tidy-14 >/dev/null 2>&1; then
    echo "tidy: clang-tidy-14 not found (scripts/install-deps.sh installs it)" >&2
    exit 1
fi
if [[ ! -f "$build_dir/compile_commands.json" ]]; then
    echo "tidy: $build_dir/compile_commands.json missing; configure and build that tree first" >&2
    exit 1
fi

# The commit that BASE names, or nothing when every file is to be checked.
resolve_base()
{
    local candidates=("$1") fork
    [[ $1 == all ]] && return 0
    [[ $1 == auto ]] && candidates=(origin/main main)
    for candidate in "${candidates[@]}"; do
        if fork=$(git merge-base HEAD "$candidate" 2>/dev/null); then
            if [[ $fork == $(git rev-parse HEAD) ]]; then
                git rev-parse --verify -q HEAD~1 || true
            else
                echo "$fork"
            fi
            return 0
        fi
    done
}

# The sources changed since $1 and those that include a changed header; every source when
# the checks, the compile flags or this script changed.
changed_sources()
{
    local fork=$1 path
    local -A selected=()
    while IFS= read -r path; do
        case $path in
        .clang-tidy | CMakeLists.txt | CMakePresets.json | */CMakeLists.txt | scripts/run-tidy.sh)
            git ls-files "${source_dirs[@]/%//*.cpp}"
            return ;;
        esac
        [[ -e $path && ${path%%/*} =~ ^(app|dbase|dialogs|views|link|cli|tools)$ ]] || continue
        if [[ $path == *.cpp ]]; then
            selected[$path]=1
        elif [[ $path == *.h ]]; then
            while IFS= read -r includer; do
                selected[$includer]=1
            done < <(git grep -l -F "#include \"$path\"" -- "${source_dirs[@]/%//*.cpp}")
        fi
    done < <({ git diff --name-only "$fork"; git ls-files --others --exclude-standard; } | sort -u)
    [[ ${#selected[@]} -eq 0 ]] || printf '%s\n' "${!selected[@]}" | sort
}

if [[ $# -gt 0 ]]; then
    files=("$@")
else
    fork=$(resolve_base "$base")
    if [[ -n $fork ]]; then
        mapfile -t files < <(changed_sources "$fork")
        echo "tidy: ${#files[@]} sources to check for the changes since $(git rev-parse --short "$fork")"
    else
        mapfile -t files < <(git ls-files "${source_dirs[@]/%//*.cpp}")
    fi
fi
if [[ ${#files[@]} -eq 0 ]]; then
    echo "tidy: no files to check"
    exit 0
fi

log_dir="$build_dir/tidy"
rm -rf "$log_dir"
mkdir -p "$log_dir"

# One log and one exit status per source, so that parallel runs do not interleave.
tidy_one()
{
    local file=$1 log_dir=$2 build_dir=$3 name
    name=${file//\//_}
    local status=0
    clang-tidy-14 -p "$build_dir" --quiet --warnings-as-errors='*' "$file" \
            >"$log_dir/$name.log" 2>&1 || status=$?
    echo "$status" >"$log_dir/$name.status"
}
export -f tidy_one

echo "tidy: checking ${#files[@]} files with $jobs jobs"
start=$SECONDS
printf '%s\n' "${files[@]}" | xargs -P "$jobs" -I{} bash -c 'tidy_one "$@"' _ {} "$log_dir" "$build_dir"
elapsed=$((SECONDS - start))

# A header's finding is reported by every source that includes it: count it once.
finding='^[^ ]+:[0-9]+:[0-9]+: (warning|error): .*\[[a-zA-Z0-9.,_-]+\]$'
cat "$log_dir"/*.log | grep -E "$finding" | sed "s|^$PWD/||" | sort -u >"$log_dir/findings.txt" || true
count=$(wc -l <"$log_dir/findings.txt")

# A run that fails without a finding (a crash, an unreadable file) is a failure too.
failed_runs=()
for file in "${files[@]}"; do
    name=${file//\//_}
    if [[ $(cat "$log_dir/$name.status") != 0 ]] \
            && ! grep -qE "$finding" "$log_dir/$name.log"; then
        failed_runs+=("$file")
    fi
done

if [[ $count -eq 0 && ${#failed_runs[@]} -eq 0 ]]; then
    echo "tidy: no findings in ${#files[@]} files (${elapsed}s)"
    exit 0
fi

if [[ $count -gt 0 ]]; then
    echo "tidy: $count findings:"
    sed 's/^/  /' "$log_dir/findings.txt"
    echo "tidy: findings by check:"
    sed -E 's/.*\[([^],]+).*\]$/\1/' "$log_dir/findings.txt" | sort | uniq -c | sort -rn
    echo "tidy: findings by file:"
    cut -d: -f1 "$log_dir/findings.txt" | sort | uniq -c | sort -rn
fi
for file in "${failed_runs[@]}"; do
    echo "tidy: clang-tidy failed on $file without a finding; its output:"
    sed 's/^/  /' "$log_dir/${file//\//_}.log"
done
echo "tidy: FAILED ($count findings, ${#failed_runs[@]} failed runs, ${elapsed}s); logs in $log_dir/" >&2
echo "tidy: fix them, or mark a false positive with // NOLINT(check-name): reason" >&2
exit 1
