#include "SourceRecord.h"

#include "ContentError.h"

#include <cmath>
#include <cstdint>

SourceRecord::SourceRecord(const nlohmann::json& source, std::string place)
    : m_source(source), m_place(std::move(place))
{
    if (!m_source.is_object())
        Fail("must be an object");
}

void SourceRecord::Fail(const std::string& what) const
{
    throw ContentError(m_place + ": " + what);
}

const nlohmann::json& SourceRecord::Member(const char* member) const
{
    if (!Has(member))
        Fail(std::string("\"") + member + "\" is missing");
    return m_source.at(member);
}

std::string SourceRecord::Name(const char* member) const
{
    const nlohmann::json& value = Member(member);
    if (!value.is_string() || value.get<std::string>().empty() || value.get<std::string>().size() > 16)
        Fail(std::string("\"") + member + "\" must be a text of 1 to 16 bytes");
    return value.get<std::string>();
}

void SourceRecord::WriteName(ByteWriter& out, const char* member) const
{
    const std::string name = Name(member);
    // A name of 16 bytes fills its field without a terminator.
    out.Bytes(reinterpret_cast<const uint8_t*>(name.data()), name.size());
    out.Zeros(static_cast<uint32_t>(16 - name.size()));
}

int64_t SourceRecord::ToInteger(const nlohmann::json& value, int64_t min, int64_t max, const std::string& what) const
{
    if (!value.is_number_integer() || value.get<int64_t>() < min || value.get<int64_t>() > max)
        Fail(what + " must be a whole number from " + std::to_string(min) + " to " + std::to_string(max));
    return value.get<int64_t>();
}

int64_t SourceRecord::Integer(const char* member, int64_t min, int64_t max, int64_t fallback) const
{
    if (!Has(member))
        return fallback;
    return ToInteger(m_source.at(member), min, max, std::string("\"") + member + "\"");
}

bool SourceRecord::Flag(const char* member, bool fallback) const
{
    if (!Has(member))
        return fallback;
    if (!m_source.at(member).is_boolean())
        Fail(std::string("\"") + member + "\" must be true or false");
    return m_source.at(member).get<bool>();
}

int32_t SourceRecord::ToFixed(const nlohmann::json& value, const std::string& what) const
{
    if (!value.is_number())
        Fail(what + " must be a number");
    const double fixed = std::round(value.get<double>() * 4096.0);
    if (!(fixed >= INT32_MIN && fixed <= INT32_MAX))
        Fail(what + " is out of the 20.12 fixed-point range");
    return static_cast<int32_t>(fixed);
}

int32_t SourceRecord::Fixed(const char* member, double fallback) const
{
    if (!Has(member))
        return ToFixed(fallback, member);
    return ToFixed(m_source.at(member), std::string("\"") + member + "\"");
}

std::vector<int32_t> SourceRecord::FixedList(const char* member, size_t count,
                                             const std::vector<double>& fallback) const
{
    const std::string what = std::string("\"") + member + "\"";
    const nlohmann::json value = Has(member) ? m_source.at(member) : nlohmann::json(fallback);
    if (!value.is_array() || value.size() != count)
        Fail(what + " must be " + std::to_string(count) + " numbers");
    std::vector<int32_t> fixed;
    for (const nlohmann::json& number : value)
        fixed.push_back(ToFixed(number, what));
    return fixed;
}

std::vector<uint8_t> SourceRecord::Colour(const char* member, const char* fallback) const
{
    const nlohmann::json value = Has(member) ? m_source.at(member) : nlohmann::json(fallback);
    const std::string text = value.is_string() ? value.get<std::string>() : std::string();
    const bool hex = text.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos;
    if (text.empty() || text[0] != '#' || !hex || (text.size() != 7 && text.size() != 9))
        Fail(std::string("\"") + member + "\" must be \"#RRGGBB\" or \"#RRGGBBAA\"");
    std::vector<uint8_t> bytes = {0, 0, 0, 0xFF};
    for (size_t i = 0; i + 1 < text.size(); i += 2)
        bytes[i / 2] = static_cast<uint8_t>(std::stoul(text.substr(i + 1, 2), nullptr, 16));
    return bytes;
}
