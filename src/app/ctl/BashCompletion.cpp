#include "BashCompletion.h"

#include "CtlRequest.h"
#include "DriftFamilies.h"
#include "protocol/RequestCatalogue.h"

#include <string>
#include <vector>

namespace {

// The programs' own words beside the catalogue's types.
constexpr const char* kCommands = "watch hosts diff exporter trust";
constexpr const char* kOptions =
    "--server --servers-file --parallel --time-limit --dry-run --match --cacert --pin --insecure --role --password "
    "--json --json-lines --watch --fields --listen --group --group-of --limit --exclude --against --lang --help";
// Options whose next word is their value.
constexpr const char* kValuedOptions =
    "--server|--servers-file|--parallel|--time-limit|--match|--cacert|--pin|--password|--listen|--group-of|--limit|"
    "--exclude|--against|--lang";

std::string Words(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

}  // namespace

void WriteBashCompletion(std::ostream& out)
{
    out << "# bash completion for morvixctl, written by morvixctl --bash-completion from its catalogue\n"
        << "_morvixctl()\n{\n"
        << "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
        << "    case $prev in\n"
        << "        " << kValuedOptions << ") return ;;\n"
        << "        --role) COMPREPLY=($(compgen -W 'admin keeper' -- \"$cur\")); return ;;\n"
        << "    esac\n"
        << "    if [[ $cur == -* ]]; then\n"
        << "        COMPREPLY=($(compgen -W '" << kOptions << "' -- \"$cur\")); return\n"
        << "    fi\n"
        << "    local i word type= cmd=\n"
        << "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        << "        word=${COMP_WORDS[i]}\n"
        << "        case $word in\n"
        << "            " << kValuedOptions << ") ((i++)) ;;\n"
        << "            -*) ;;\n"
        << "            *) if [[ -z $type ]]; then type=$word; elif [[ -z $cmd ]]; then cmd=$word; fi ;;\n"
        << "        esac\n"
        << "    done\n"
        << "    local words=\n"
        << "    if [[ -z $type ]]; then\n"
        << "        words='" << Words(CatalogueTypes()) << " " << kCommands << "'\n"
        << "    elif [[ -z $cmd ]]; then\n"
        << "        case $type in\n";
    for (const std::string& type : CatalogueTypes())
        out << "            " << type << ") words='" << Words(CatalogueCommands(type)) << "' ;;\n";
    std::vector<std::string> families;
    for (const DriftFamily& family : DriftFamilies())
        families.emplace_back(family.name);
    out << "            diff) words='" << Words(families) << "' ;;\n";
    out << "        esac\n"
        << "    else\n"
        << "        case \"$type $cmd\" in\n";
    for (const std::string& type : CatalogueTypes())
        for (const std::string& cmd : CatalogueCommands(type)) {
            std::vector<std::string> fields = CtlRequestFieldNames(nsMoxHttp::FindCatalogueForms(type, cmd));
            if (fields.empty())
                continue;
            for (std::string& field : fields)
                field += "=";
            out << "            \"" << type << " " << cmd << "\") words='" << Words(fields) << "' ;;\n";
        }
    out << "        esac\n"
        << "        compopt -o nospace 2>/dev/null\n"
        << "    fi\n"
        << "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
        << "}\n"
        << "complete -F _morvixctl morvixctl\n";
}
