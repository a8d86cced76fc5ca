# Bash completion of quorvale-level: commands, options, level operations and file names. All of
# them are read from the program's own help, so new commands and options complete as they come.

# The words of a command's synopsis ("cat FILE [OP ...]"), without brackets.
_quorvale_level_synopsis()
{
    local usage
    usage=$("$1" "$2" --help 2>/dev/null) || return 1
    usage=${usage%%$'\n'*}
    usage=${usage#Usage: * "$2"}
    printf '%s\n' "${usage//[\[\]]/}"
}

_quorvale_level()
{
    local program=${COMP_WORDS[0]} cur=${COMP_WORDS[COMP_CWORD]}
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        local commands
        commands=$("$program" --help 2>/dev/null |
            awk '/^Commands:$/ { on = 1; next } on && /^$/ { exit } on && /^  [^ ]/ { print $1 }')
        mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$cur")
        return
    fi

    # The synopsis tells the positional arguments, the options and what value each option takes.
    local command=${COMP_WORDS[1]} word next positionals=() ops=0 i
    local -A value=()
    local -a synopsis
    read -r -a synopsis < <(_quorvale_level_synopsis "$program" "$command") || return
    for ((i = 0; i < ${#synopsis[@]}; i++)); do
        word=${synopsis[i]}
        next=${synopsis[i + 1]:-}
        if [[ $word == -* ]]; then
            value[$word]=
            if [[ $next =~ ^[A-Z] && $next != OP ]]; then
                value[$word]=$next
                ((i++))
            fi
        elif [[ $word == OP ]]; then
            ops=1
        elif [[ $word =~ ^[A-Z] ]]; then
            positionals+=("$word")
        fi
    done

    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    if [[ $prev == -?* && -n ${value[$prev]:-} ]]; then
        case ${value[$prev]} in
            DIR) mapfile -t COMPREPLY < <(compgen -d -- "$cur") ;;
            FILE | OUT*) mapfile -t COMPREPLY < <(compgen -f -- "$cur") ;;
        esac
        return
    fi
    if [[ $cur == -?* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "${!value[*]} --help" -- "$cur")
        return
    fi

    # Count the positional arguments before the cursor; after them come the operations.
    local count=0 words=()
    for ((i = 2; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ $word == -?* ]]; then
            [[ -n ${value[$word]:-} ]] && ((i++))
        elif ((count < ${#positionals[@]})); then
            ((count++))
        else
            words+=("$word")
        fi
    done
    if ((count < ${#positionals[@]})); then
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
    fi
    if ((!ops)); then
        mapfile -t COMPREPLY < <(compgen -W "${!value[*]}" -- "$cur")
        return
    fi

    # The operations and how many arguments each takes, from their list in the help:
    # "  set X Y CODE      set one cell", "  name TEXT | creator TEXT   ...".
    local -A arity=()
    local line alternative
    while IFS= read -r line; do
        line=${line#  }
        line=${line%%  *}
        while IFS= read -r alternative; do
            read -r -a synopsis <<<"$alternative"
            arity[${synopsis[0]}]=$((${#synopsis[@]} - 1))
        done < <(printf '%s\n' "${line//' | '/$'\n'}")
    done < <("$program" "$command" --help 2>/dev/null | awk '/^Operations/ { on = 1; next } on && /^  [^ ]/')
    local pending=0
    for word in "${words[@]}"; do
        if ((pending > 0)); then
            ((pending--))
        else
            pending=${arity[$word]:-0}
        fi
    done
    ((pending == 0)) && mapfile -t COMPREPLY < <(compgen -W "${!arity[*]}" -- "$cur")
}

complete -o filenames -F _quorvale_level quorvale-level
