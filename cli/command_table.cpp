#include "cli/commands.h"

namespace cli {
namespace {

constexpr unsigned kCard = kOptionCard;
constexpr unsigned kWrite = kOptionCard | kOptionNoClock | kOptionForce;

constexpr Command kCommands[] = {
    {"cards", 0, 0, 0, "dqcard cards", "list the cards this computer can see",
     "Prints the volume root of every mounted card, one a line. A card is a removable volume whose root\n"
     "holds a DQ-918LX_Parameter folder with config.txt, ver.txt or DQ_configure.exe.\n"
     "Exit status 2 when there is none.\n",
     RunCards},
    {"show", kCard | kOptionJson, 0, 0, "dqcard show [--json] [--card PATH]",
     "model, firmware and the 24 settings of a card",
     "Prints each setting as \"Key: value (name)\", the name where a window offers the value.\n"
     "--json prints one JSON object instead:\n"
     "  {\"card\": PATH, \"model\": TEXT, \"firmware\": TEXT,\n"
     "   \"settings\": [{\"key\": KEY, \"value\": INT, \"name\": TEXT or null}, ...]}\n",
     RunShow},
    {"export", kCard, 0, 0, "dqcard export [--card PATH]", "the card's settings as a profile",
     "Prints the 24 settings as Key=Value lines, the format of config.txt: a complete profile for\n"
     "dqcard apply or dqcard diff.\n",
     RunExport},
    {"set", kWrite | kOptionDryRun, 1, -1, "dqcard set [--dry-run] [--no-clock] [--force] [--card PATH] KEY=VALUE...",
     "change settings and write them to the card",
     "KEY is a setting's name ignoring case, with - or _ for a blank (night-bright). VALUE is a number\n"
     "or the name of a value (see dqcard show). A value that no window offers is refused unless --force;\n"
     "Date, Time, Voltage, Accelerator, Display MISC and Encoding Profile take any number. When an\n"
     "advanced setting is given and Memory Partition ends at 0 (default), Partition Territory becomes 4,\n"
     "as the advanced window does. Prints each change as \"Key: old -> new\", then writes config.txt\n"
     "(even when nothing changed), reads it back, and writes the clock file from this computer's time.\n"
     "  --dry-run   print the changes, write nothing\n"
     "  --no-clock  leave RTC_time.ini alone\n"
     "  --force     take values that no window offers\n",
     RunSet},
    {"clock", kCard, 0, 0, "dqcard clock [--card PATH]", "set the camera's clock from this computer's time",
     "Writes only RTC_time.ini with the local date and time, which the camera takes when it restarts.\n", RunClock},
    {"diff", kCard | kOptionForce, 1, 1, "dqcard diff [--force] [--card PATH] PROFILE",
     "the changes that applying a profile would make",
     "Prints the changes as dqcard set does and writes nothing. PROFILE is a file or - for standard\n"
     "input. Exit status 0 with or without changes.\n",
     RunDiff},
    {"apply", kWrite | kOptionAll, 1, 1, "dqcard apply [--card PATH]... [--all] [--no-clock] [--force] PROFILE",
     "write a profile to one or more cards",
     "PROFILE (a file, or - for standard input) holds Key=Value lines as dqcard export writes them;\n"
     "blank lines and lines starting with # are skipped. A bad line stops everything before any card is\n"
     "written. Each card given with --card, every card found with --all, or else the one card found,\n"
     "is written as dqcard set writes; one line per card: \"PATH: ok\" or \"PATH: failed: REASON\".\n"
     "The exit status is the highest of all cards.\n",
     RunApply},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

}  // namespace cli
