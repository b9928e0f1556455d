# bash completion for kadro-cli
#
# The commands and options come from the program's own help (read in the C locale, whose
# layout does not change), so the completion never falls behind the program.

# Prints "NAMES TYPE" for each option of a command's help: "-q,--quiet" or "--char 8x8|8x16".
_kadro_cli_options() {
    local program=$1 command=$2 line names type
    while IFS= read -r line; do
        [[ $line =~ ^\ \ (-[^ ,]*(,\ -[^ ]*)?)(\ ([^ ]+))? ]] || continue
        names=${BASH_REMATCH[1]// /}
        type=${BASH_REMATCH[4]}
        printf '%s %s\n' "$names" "$type"
    done < <(LC_ALL=C "$program" "$command" --help 2>/dev/null)
}

_kadro_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local program=${COMP_WORDS[0]} command=${COMP_WORDS[1]}
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        local commands
        commands=$(LC_ALL=C "$program" --help 2>/dev/null | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p')
        mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$cur")
        return
    fi

    local names type all=() prevType=
    while read -r names type; do
        all+=(${names//,/ })
        [[ ",$names," == *",$prev,"* ]] && prevType=${type:--}
    done < <(_kadro_cli_options "$program" "$command")

    if [[ -n $prevType && $prevType != - ]]; then
        # Lower-case words between bars are choices; names with a dot are files.
        if [[ $prevType =~ ^[a-z0-9|]+$ ]]; then
            mapfile -t COMPREPLY < <(compgen -W "${prevType//|/ }" -- "$cur")
        elif [[ $prevType == *.* || $prevType == FILE ]]; then
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        fi
        return
    fi
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "${all[*]}" -- "$cur")
    elif [[ $command == project && COMP_CWORD -eq 2 ]]; then
        mapfile -t COMPREPLY < <(compgen -W "show new add" -- "$cur")
    else
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    fi
}

complete -F _kadro_cli kadro-cli
