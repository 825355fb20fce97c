#pragma once
#include "ByteWriter.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

// The readable source of one binary record (a JSON object), read member by
// member. Every fault throws a ContentError that names the record ("layer
// \"main\": sprite \"sea\"") and the member. Decimals are screen units or
// seconds as the member says; they become 20.12 fixed point.
class SourceRecord {
public:
    SourceRecord(const nlohmann::json& source, std::string place);

    const std::string& Place() const { return m_place; }
    bool Has(const char* member) const { return m_source.contains(member); }
    const nlohmann::json& Member(const char* member) const;
    [[noreturn]] void Fail(const std::string& what) const;

    // A name of at most 16 bytes, written NUL-padded to 16.
    std::string Name(const char* member) const;
    void WriteName(ByteWriter& out, const char* member) const;
    // A whole number in min..max.
    int64_t Integer(const char* member, int64_t min, int64_t max, int64_t fallback) const;
    bool Flag(const char* member, bool fallback) const;
    // A number times 4096, rounded to nearest.
    int32_t Fixed(const char* member, double fallback) const;
    // count numbers, each times 4096.
    std::vector<int32_t> FixedList(const char* member, size_t count, const std::vector<double>& fallback) const;
    // "#RRGGBB" or "#RRGGBBAA" as the bytes R, G, B, A.
    std::vector<uint8_t> Colour(const char* member, const char* fallback) const;

    // The same conversions for a value that is not a member.
    int32_t ToFixed(const nlohmann::json& value, const std::string& what) const;
    int64_t ToInteger(const nlohmann::json& value, int64_t min, int64_t max, const std::string& what) const;

private:
    const nlohmann::json& m_source;
    std::string m_place;
};
