#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One named entry of a data pack: its kind (a DataPackFormat.h code) and its
// bytes.
struct DataPackEntrySource {
    uint32_t kind = 0;
    std::string name;
    std::vector<uint8_t> data;
};

// Lays the entries out as a "DPR2" data pack, in the order given: the header,
// the table of contents with the names, then each entry's data on a 128-byte
// boundary. Header word 2 is 0; the region (header words 3 and 4) spans the
// entry data; entry words 3 and 4 are 0.
std::vector<uint8_t> WriteDataPack(const std::vector<DataPackEntrySource>& entries);
