// skylister-cli: checks, compiles, converts and reformats channel lists, finds and removes their
// duplicates, renames channels by rules, puts them in another list's order, compares two lists,
// exports a view as CSV or HTML, imports transponders from scan tables and channels from other
// programs' lists, and talks to the receiver, from the command line.

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CommandHelp.h"
#include "Commands.h"
#include "common/ProgramVersion.h"

namespace sky::cli {

const char* usageText() {
    return "Usage: skylister-cli COMMAND [ARGUMENTS]\n"
           "\n"
           "Commands:\n"
           "  check LIST.txt [--sat40]         check a channel list; exit 0 when it is valid\n"
           "  compile LIST.txt --mode basic|normal|preinstalled|split [--sat40]\n"
           "                                   write LIST.hex and LIST.bin; LIST.txt is left as\n"
           "                                   it was\n"
           "  convert IMAGE.hex                write the download file IMAGE.bin\n"
           "  format LIST.txt [--sat40]        load the list and save it back in the editor's "
           "form\n"
           "                                   (the previous file is kept as LIST.bak)\n"
           "  duplicates LIST.txt [--remove] [--names] [--sat40]\n"
           "                                   list the groups of rows that are one channel or\n"
           "                                   transponder (--names: also those of one name);\n"
           "                                   --remove writes the list without the copies,\n"
           "                                   renumbered (the previous file kept as LIST.bak)\n"
           "  import-tp LIST.txt TABLE --sat INDEX [--sat40]\n"
           "                                   add to satellite INDEX the transponders of a DVBv5\n"
           "                                   scan table (as in /usr/share/dvb/dvb-s) that the\n"
           "                                   list lacks; prints those added, those already in\n"
           "                                   and those not taken (the previous file kept as\n"
           "                                   LIST.bak)\n"
           "  import-channels LIST.txt FILE [--format vdr|dvbv5|lamedb] [--sat INDEX]\n"
           "                  [--tick all|receivable] [--pid] [--sat40]\n"
           "                                   add the services of a VDR channels.conf, a DVBv5\n"
           "                                   channel file or an Enigma2 lamedb (the format "
           "found\n"
           "                                   by content), with the satellites and transponders\n"
           "                                   they need; --sat puts them all on satellite INDEX\n"
           "                                   (DVBv5 files give no position); --tick all also\n"
           "                                   takes DVB-S2 and encrypted services; --pid makes\n"
           "                                   PID channels of services without a service id;\n"
           "                                   prints those added and those not, with the reason\n"
           "                                   (the previous file kept as LIST.bak)\n"
           "  check-tp LIST.txt [--tables DIR] [--sat INDEX [--table FILE]] [--lnb-only]\n"
           "           [--sat40]\n"
           "                                   compare each satellite's transponders with the\n"
           "                                   scan table of its position (in DIR, by default\n"
           "                                   /usr/share/dvb/dvb-s; --table: that table for\n"
           "                                   satellite INDEX) and check that its LNB can tune\n"
           "                                   them (--lnb-only: that alone); prints what\n"
           "                                   differs; exit 0 when nothing is flagged, 1 when\n"
           "                                   something is, 2 on an error\n"
           "  rename LIST.txt [--view digital|pid|analog] (--replace FIND=TO | --regex FIND=TO |\n"
           "                  --case upper|lower|title | --strip WORDS | --fit 13)...\n"
           "                  [--dry-run] [--sat40]\n"
           "                                   rename channels by rules applied in order: replace\n"
           "                                   text or an ECMAScript regular expression ($1 names\n"
           "                                   a group), change case, strip words (WORDS\n"
           "                                   separated by commas), fit to a width (dropping the\n"
           "                                   stripped words, or HD and SD, then spaces from the\n"
           "                                   right, then cutting); prints each new name and why\n"
           "                                   one is not taken (the previous file kept as\n"
           "                                   LIST.bak; --dry-run writes nothing)\n"
           "  apply-order LIST.txt REFERENCE [--unmatched keep|remove] [--analog] [--sat40]\n"
           "                                   put the channels in the order of REFERENCE "
           "(another\n"
           "                                   list, or number;name lines, which order the "
           "digital\n"
           "                                   channels, with --analog the analog ones); "
           "unmatched\n"
           "                                   channels are kept after the matched ones or "
           "removed\n"
           "                                   (the previous file kept as LIST.bak)\n"
           "  diff A.txt B.txt [--sat40]       print what differs between two lists, one line\n"
           "                                   each; exit 0 when equal, 1 when they differ, 2\n"
           "                                   when a list cannot be read\n"
           "  export LIST.txt --format csv|html [--semicolon] [-o FILE] [--sat40]\n"
           "                  [--view digital|analog|satellite|satname|tp|channel|pid|analoglist]\n"
           "                                   write a view of the list (digital by default) as\n"
           "                                   CSV (with --semicolon separated by semicolons) or\n"
           "                                   as an HTML page, to FILE or standard output\n"
           "  download IMAGE.bin (--device PATH | --port N)\n"
           "                                   send a download file to the receiver\n"
           "  upload OUT.txt (--device PATH | --port N)\n"
           "                                   receive the receiver's channel list into OUT.txt\n"
           "  history [list | show N | restore N OUT.txt]\n"
           "                                   list the lists sent and fetched, kept in\n"
           "                                   $XDG_STATE_HOME/skylister/history, newest first;\n"
           "                                   show prints list N, restore writes it to OUT.txt\n"
           "  help [COMMAND]                   print this text, or the usage of one command (as\n"
           "                                   COMMAND --help does)\n"
           "  --version                        print the version of Skylister\n"
           "\n"
           "--sat40 expects 40 satellite names instead of 32. --port N uses COM1 to COM4\n"
           "(/dev/ttyS0 to /dev/ttyS3); --device names the serial device itself.\n"
           "Messages are printed on standard error. Exit status: 0 success, 1 failure,\n"
           "2 wrong usage.\n";
}

}  // namespace sky::cli

int main(int argc, char** argv) {
    using namespace sky::cli;
    using Command = int (*)(const std::vector<std::string>&);
    const std::map<std::string, Command> commands{
        {"check", runCheck},
        {"compile", runCompile},
        {"convert", runConvert},
        {"format", runFormat},
        {"duplicates", runDuplicates},
        {"import-tp", runImportTp},
        {"import-channels", runImportChannels},
        {"check-tp", runCheckTp},
        {"rename", runRename},
        {"apply-order", runApplyOrder},
        {"diff", runDiff},
        {"export", runExport},
        {"download", runDownload},
        {"upload", runUpload},
        {"history", runHistory},
    };
    if (const std::optional<int> status = answerHelp({argv + 1, argv + argc})) return *status;
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("skylister-cli %s\n", sky::kProgramVersion);
        return kSuccess;
    }
    if (argc < 2 || commands.count(argv[1]) == 0) {
        if (argc >= 2) std::fprintf(stderr, "skylister-cli: unknown command '%s'\n\n", argv[1]);
        std::fputs(usageText(), stderr);
        return kUsage;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    return commands.at(argv[1])(args);
}
