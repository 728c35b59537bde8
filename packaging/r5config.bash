# SPDX-License-Identifier: MIT
# bash completion for r5config: subcommands, their options, profile numbers, DPI
# values, report rates, effect names, macro names and file names.
_r5config()
{
    local cur prev words cword
    _init_completion || return

    local commands="status profile dpi rate light export import macro"
    local effects="off static twinkling breathing neon wave gliding finger-moving vertical-flipping yo-yo spotlight"
    local profiles="1 2 3 4 5 6 7 8 9 10"

    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    case $prev in
        --stage) COMPREPLY=($(compgen -W "1 2 3 4 5 6 7 8" -- "$cur")); return ;;
        --speed | --brightness) COMPREPLY=($(compgen -W "0 1 2 3 4 5 6 7" -- "$cur")); return ;;
        --name) return ;;
    esac

    local command=${words[1]} position=$((cword - 1)) i
    # Positions count the arguments after the subcommand, options left out.
    for ((i = 2; i < cword; i++)); do
        [[ ${words[i]} == --* ]] && position=$((position - 1))
        [[ ${words[i]} == --stage || ${words[i]} == --speed || ${words[i]} == --brightness || ${words[i]} == --name ]] &&
            position=$((position - 1))
    done

    if [[ $cur == -* ]]; then
        local options="--help"
        case $command in
            status) options+=" --json" ;;
            dpi) options+=" --stage" ;;
            light) options+=" --speed --brightness" ;;
            macro) options+=" --name" ;;
        esac
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    case $command in
        profile) [[ $position -eq 1 ]] && COMPREPLY=($(compgen -W "$profiles" -- "$cur")) ;;
        rate) [[ $position -eq 1 ]] && COMPREPLY=($(compgen -W "125 250 500 1000" -- "$cur")) ;;
        light) [[ $position -eq 1 ]] && COMPREPLY=($(compgen -W "$effects" -- "$cur")) ;;
        dpi)
            if [[ $position -eq 1 ]]; then
                # One value after each comma.
                local head=${cur%,*} values="off 600 800 1000 1200 1600 1800 2000 2500 3000 3200 3500 4000 4500 5000 6000 6400 12000"
                [[ $cur == *,* ]] && head+="," || head=""
                compopt -o nospace
                COMPREPLY=($(compgen -P "$head" -W "$values" -- "${cur##*,}"))
            fi
            ;;
        export)
            case $position in
                1) COMPREPLY=($(compgen -W "$profiles" -- "$cur")) ;;
                2) _filedir ;;
            esac
            ;;
        import)
            case $position in
                1) _filedir ;;
                2) COMPREPLY=($(compgen -W "$profiles" -- "$cur")) ;;
            esac
            ;;
        macro)
            case $position in
                1) COMPREPLY=($(compgen -W "list export import" -- "$cur")) ;;
                2)
                    if [[ ${words[2]} == export ]]; then
                        local IFS=$'\n'
                        COMPREPLY=($(compgen -W "$("${words[0]}" macro list 2>/dev/null)" -- "$cur"))
                    elif [[ ${words[2]} == import ]]; then
                        _filedir
                    fi
                    ;;
                3) [[ ${words[2]} == export ]] && _filedir ;;
            esac
            ;;
    esac
} &&
    complete -F _r5config r5config
