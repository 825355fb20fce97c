#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A condition as the dialogs file stores it: an operator with two operands
// (and, or, exclusive or), one (not), or a variable's name hash and a value.
struct DialogSourceCondition {
    uint32_t op = 0;
    std::vector<DialogSourceCondition> operands;
    uint32_t variableHash = 0;
    uint32_t value = 0;
};

// One node: its type, its payload words in file order, its condition, and its
// children.
struct DialogSourceNode {
    uint32_t type = 0;
    std::vector<uint32_t> payload;
    bool hasCondition = false;
    DialogSourceCondition condition;
    std::vector<DialogSourceNode> children;
};

struct DialogSourceDialog {
    uint32_t key = 0;
    DialogSourceNode root;
};

// One dialog group, read from its source file.
struct DialogSourceGroup {
    std::string name;
    std::vector<DialogSourceDialog> dialogs;
};

// Reads a dialog group's source (the format is described at the top of the
// sample files in Content/Dialogs). Faults throw a ContentError that names
// the file and line.
DialogSourceGroup ReadDialogSource(const std::filesystem::path& path, const std::string& groupName);
// The same from text; sourceName is what the faults name.
DialogSourceGroup ParseDialogSource(const std::string& text, const std::string& sourceName,
                                    const std::string& groupName);
