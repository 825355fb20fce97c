#include "System/IniFile.h"

#include <cctype>
#include <fstream>
#include <string>
#include <strings.h>

namespace Platform {
namespace {

std::string Trim(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(begin, end - begin);
}

std::string Unquote(const std::string& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

bool ReadIniText(const char* section, const char* key, const char* path, std::string& value)
{
    std::ifstream file(path);
    if (!file)
        return false;

    bool inSection = false;
    std::string line;
    while (std::getline(file, line)) {
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == ';')
            continue;
        if (trimmed[0] == '[') {
            const size_t close = trimmed.find(']');
            const std::string name =
                Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            inSection = strcasecmp(name.c_str(), section) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const size_t equals = trimmed.find('=');
        if (equals == std::string::npos)
            continue;
        if (strcasecmp(Trim(trimmed.substr(0, equals)).c_str(), key) != 0)
            continue;
        value = Unquote(Trim(trimmed.substr(equals + 1)));
        return true;
    }
    return false;
}

} // namespace Platform
