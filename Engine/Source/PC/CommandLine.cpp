#include "PC/CommandLine.h"

#include <cstring>

const char* const COMMAND_LINE_HELP = "Usage: velmarsh [-autotest]\n"
                                      "Runs the game in the working directory, its data folder: it reads Settings.ini\n"
                                      "and the data files there, and writes log.txt and save.dat.\n"
                                      "  -autotest  replay the recorded play-through at four times the normal speed\n"
                                      "  --help     print these switches and exit\n";

CommandLine ParseCommandLine(int argc, const char* const* argv)
{
    CommandLine commandLine;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "-autotest") == 0)
            commandLine.bAutoTest = true;
        else if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0)
            commandLine.bHelp = true;
        else if (!commandLine.pUnknown)
            commandLine.pUnknown = argument;
    }
    return commandLine;
}
