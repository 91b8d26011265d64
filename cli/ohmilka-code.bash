# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# bash completion for ohmilka-code: commands, options, the values of options, colour words and
# parts lists.
_ohmilka_code()
{
    local current=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD-1]}
    local command="" word
    for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
        case $word in decode|encode|series|smd|check|part|combine|divider) command=$word; break ;; esac
    done
    # After an option that takes a value: its values, or none where any number goes.
    case $previous in
        --lang) COMPREPLY=($(compgen -W "cs en" -- "$current")); return ;;
        --bands) COMPREPLY=($(compgen -W "3 4 5 6" -- "$current")); return ;;
        --tolerance) COMPREPLY=($(compgen -W "0.01 0.02 0.05 0.1 0.25 0.5 1 2 5 10 20" -- "$current")); return ;;
        --tempco) COMPREPLY=($(compgen -W "1 5 10 15 20 25 50 100 250" -- "$current")); return ;;
        --series) COMPREPLY=($(compgen -W "E6 E12 E24 E48 E96 E192" -- "$current")); return ;;
        --encoding) COMPREPLY=($(compgen -W "utf-8 utf-16le utf-16be windows-1250" -- "$current")); return ;;
        --parts) COMPREPLY=($(compgen -W "1 2 3 4" -- "$current")); return ;;
        --size) COMPREPLY=($(compgen -W "01005 0201 0402 0603 0805 1206 1210 1218 1812 2010 2512" -- "$current")); return ;;
        --maker) COMPREPLY=($(compgen -W "Yageo Panasonic Vishay Stackpole Bourns TE" -- "$current")); return ;;
        --stock|--output) COMPREPLY=($(compgen -f -- "$current")); return ;;
        --measured|--exclude|--within|--ratio|--vin|--vout|--vref|--vref-tolerance|--total|--count)
            COMPREPLY=(); return ;;
    esac
    local options="--json --lang --help -h --version"
    case $command in
        "") COMPREPLY=($(compgen -W "decode encode series smd check part combine divider $options" -- "$current")) ;;
        decode)
            local colours="pink silver gold black brown red orange yellow green blue violet grey white none
                           růžová stříbrná zlatá černá hnědá červená oranžová žlutá zelená modrá fialová šedá bílá žádná
                           ruzova stribrna zlata cerna hneda cervena oranzova zluta zelena modra fialova seda bila zadna
                           PK SR GD BK BN RD OG YE GN BU VT GY WH"
            COMPREPLY=($(compgen -W "$colours --measured $options" -- "$current")) ;;
        encode) COMPREPLY=($(compgen -W "--tolerance --bands --tempco --smd $options" -- "$current")) ;;
        series) COMPREPLY=($(compgen -W "--series $options" -- "$current")) ;;
        smd) COMPREPLY=($(compgen -W "$options" -- "$current")) ;;
        check) COMPREPLY=($(compgen -f -W "--csv --encoding --series --output --suggest $options" -- "$current")) ;;
        part) COMPREPLY=($(compgen -W "--tolerance --size --maker --series $options" -- "$current")) ;;
        combine) COMPREPLY=($(compgen -W "--series --stock --exclude --tolerance --parts --within $options" -- "$current")) ;;
        divider) COMPREPLY=($(compgen -W "--ratio --vin --vout --vref --vref-tolerance --total --count
                                          --series --stock --exclude --tolerance --within $options" -- "$current")) ;;
    esac
}
complete -F _ohmilka_code ohmilka-code
