#pragma once
#include "Resource/CoreResource.h"
#include "System/MappedDataFile.h"

#include <cstdint>

// Longest name of a package, its terminator included.
constexpr uint32_t CORE_MAX_PATH = 256;

// How a package is loaded. Every caller passes the defaults: the file is the
// package's own copy, mapped, or read whole into a new buffer of the main heap
// where it cannot be mapped.
struct PackageParameters {
    uint32_t m_iFlags = 0;
    uint32_t m_iWord1 = 0;
    uint32_t m_iWord2 = 0;
};

// A whole file loaded under its name, shared by reference count through the
// resource manager. Callers parse its buffer in place.
class PackageResource {
public:
    ~PackageResource();

    // Copies the name and the parameters, then maps or reads the file by
    // name; false after "Error loading" when it cannot be read.
    bool Load(const char* name, const PackageParameters* parameters);
    // Frees the buffer (when there is one) and empties the data.
    void Release();

    const uint8_t* Buffer() const { return m_oData.m_pBuffer; }
    uint8_t* Buffer() { return m_oData.m_pBuffer; }
    uint32_t Size() const { return m_oData.m_uSize; }

    CoreResource m_oData;
    Platform::MappedDataFile m_oMapping;
    uint32_t m_iNbRef = 0;
    PackageParameters m_oParameters;
    PackageResource* m_pNext = nullptr;
    char m_sName[CORE_MAX_PATH] = {};
};
