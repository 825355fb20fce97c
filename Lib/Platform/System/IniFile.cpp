#include "System/IniFile.h"

#include <cctype>
#include <cstdlib>
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

uint32_t ParseLeadingInteger(const std::string& value)
{
    const char* cursor = value.c_str();
    bool negative = false;
    if (*cursor == '-' || *cursor == '+') {
        negative = *cursor == '-';
        ++cursor;
    }
    uint32_t result = 0;
    while (std::isdigit(static_cast<unsigned char>(*cursor))) {
        result = result * 10u + static_cast<uint32_t>(*cursor - '0');
        ++cursor;
    }
    return negative ? 0u - result : result;
}

} // namespace

uint32_t ReadIniInteger(const char* section, const char* key, uint32_t defaultValue, const char* path)
{
    std::ifstream file(path);
    if (!file)
        return defaultValue;

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
        const std::string value = Unquote(Trim(trimmed.substr(equals + 1)));
        if (value.empty())
            return defaultValue;
        return ParseLeadingInteger(value);
    }
    return defaultValue;
}

} // namespace Platform
