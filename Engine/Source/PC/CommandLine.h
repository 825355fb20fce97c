#pragma once

// The program's switches, each matched as a whole argument.
struct CommandLine {
    bool bAutoTest = false;
    bool bHelp = false;
    // The first argument that is none of the switches (pointing into the
    // arguments); null when there is none.
    const char* pUnknown = nullptr;
};

// Reads the arguments after the program name.
CommandLine ParseCommandLine(int argc, const char* const* argv);

// What "--help" prints: the switches and what they do.
extern const char* const COMMAND_LINE_HELP;
