#include "Mesh/XFileTextCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace Platform {
namespace {

// "xof ", the version, the format and the float size.
constexpr size_t HEADER_SIZE = 16;

// Far above what a figure needs; they keep the recursive walks of the
// hierarchy and the importer's polygon cutting short.
constexpr uint32_t MAX_FRAMES = 4096;
constexpr uint32_t MAX_FRAME_DEPTH = 128;
constexpr uint32_t MAX_FACE_CORNERS = 64;
// The importer's own limit of texture-coordinate and of colour sets.
constexpr uint32_t MAX_VERTEX_SETS = 8;
// Sums and products of coordinates this large stay finite, so that the
// importer's sorting by position sees no infinity or NaN.
constexpr double MAX_MAGNITUDE = 1e18;

// Numbers the importer reads exactly as written: no wrapping integers, no
// fraction digits beyond those it reads, no exponent that overflows.
constexpr size_t MAX_INT_DIGITS = 9;
constexpr size_t MAX_WHOLE_DIGITS = 18;
constexpr size_t MAX_FRACTION_DIGITS = 15;
constexpr size_t MAX_EXPONENT_DIGITS = 2;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// No control characters but tabs and line ends: every reader agrees on what
// is a blank then. Bytes above 127 are letters of names, paths and comments
// written in Latin-1 or UTF-8, which no reader takes for a blank.
bool HasOnlyPlainText(const char* pData, size_t iSize)
{
    return std::all_of(pData, pData + iSize, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte >= 0x20 && byte != 0x7F) || c == '\t' || c == '\n' || c == '\r';
    });
}

// Reads the text as the importer does, token by token, and answers false at
// the first thing the importer would misread, refuse or trust blindly.
class XFileTextChecker {
public:
    XFileTextChecker(const char* pBegin, const char* pEnd) : m_p(pBegin), m_pEnd(pEnd) { }

    bool CheckObjects()
    {
        for (;;) {
            const std::string_view name = Token();
            if (name.empty())
                return !m_bRefused;
            bool bGood = true;
            if (name == "template")
                bGood = Template();
            else if (name == "Frame")
                bGood = Frame(1);
            else if (name == "Mesh")
                bGood = Mesh();
            else if (name == "AnimTicksPerSecond")
                bGood = TicksPerSecond();
            else if (name == "AnimationSet")
                bGood = AnimationSet();
            else if (name == "Material")
                bGood = Material();
            else if (name != "}")
                bGood = UnknownObject();
            if (!bGood)
                return false;
        }
    }

private:
    // Blanks and comments ("//" to the end of the line).
    void SkipSpace()
    {
        for (;;) {
            while (m_p < m_pEnd && IsSpace(*m_p))
                ++m_p;
            if (m_pEnd - m_p < 2 || m_p[0] != '/' || m_p[1] != '/')
                return;
            while (m_p < m_pEnd && *m_p != '\n' && *m_p != '\r')
                ++m_p;
            if (m_p < m_pEnd)
                ++m_p;
        }
    }

    // One of ";", ",", "{", "}" alone, or a run of other non-blank
    // characters; empty at the end of the data, and from a "#", which some
    // readers take for a comment, on.
    std::string_view Token()
    {
        SkipSpace();
        const char* pStart = m_p;
        if (m_p < m_pEnd && *m_p == '#') {
            m_bRefused = true;
            m_p = m_pEnd;
            return {};
        }
        while (m_p < m_pEnd && !IsSpace(*m_p)) {
            if (std::strchr(";,{}", *m_p) != nullptr) {
                if (m_p == pStart)
                    ++m_p;
                break;
            }
            ++m_p;
        }
        return std::string_view(pStart, size_t(m_p - pStart));
    }

    bool Expect(std::string_view token) { return Token() == token; }

    bool Separator()
    {
        const std::string_view token = Token();
        return token == ";" || token == ",";
    }

    void OptionalSeparator()
    {
        SkipSpace();
        if (m_p < m_pEnd && (*m_p == ';' || *m_p == ','))
            ++m_p;
    }

    size_t Digits()
    {
        const char* pStart = m_p;
        while (m_p < m_pEnd && IsDigit(*m_p))
            ++m_p;
        return size_t(m_p - pStart);
    }

    bool Int(uint32_t& value)
    {
        SkipSpace();
        const char* pStart = m_p;
        const size_t iDigits = Digits();
        if (iDigits == 0 || iDigits > MAX_INT_DIGITS)
            return false;
        value = 0;
        for (const char* p = pStart; p < m_p; ++p)
            value = value * 10 + uint32_t(*p - '0');
        return Separator();
    }

    bool Float()
    {
        SkipSpace();
        if (m_p < m_pEnd && *m_p == '-')
            ++m_p;
        const char* pWhole = m_p;
        const size_t iWhole = Digits();
        if (iWhole == 0 || iWhole > MAX_WHOLE_DIGITS)
            return false;
        double magnitude = 1.0;
        for (const char* p = pWhole; p < pWhole + iWhole; ++p)
            magnitude = magnitude * 10.0 + (*p - '0');
        if (m_p < m_pEnd && *m_p == '.') {
            ++m_p;
            const size_t iFraction = Digits();
            if (iFraction == 0 || iFraction > MAX_FRACTION_DIGITS)
                return false;
        } else if (m_pEnd - m_p >= 2 && m_p[0] == ',' && IsDigit(m_p[1])) {
            // The importer takes "1,5" for 1.5.
            return false;
        }
        if (m_p < m_pEnd && (*m_p == 'e' || *m_p == 'E')) {
            ++m_p;
            bool bNegative = false;
            if (m_p < m_pEnd && (*m_p == '-' || *m_p == '+'))
                bNegative = *m_p++ == '-';
            const char* pExponent = m_p;
            const size_t iExponent = Digits();
            if (iExponent == 0 || iExponent > MAX_EXPONENT_DIGITS)
                return false;
            int exponent = 0;
            for (const char* p = pExponent; p < m_p; ++p)
                exponent = exponent * 10 + (*p - '0');
            magnitude *= std::pow(10.0, bNegative ? -exponent : exponent);
        }
        return magnitude <= MAX_MAGNITUDE && Separator();
    }

    bool Floats(uint32_t count)
    {
        return Repeat(count, [this] { return Float(); });
    }

    // Vectors, colours and texture coordinates: their floats, then a
    // separator that may be left out.
    bool Vector(uint32_t count)
    {
        if (!Floats(count))
            return false;
        OptionalSeparator();
        return true;
    }

    // A quoted text followed at once by ";".
    bool String()
    {
        SkipSpace();
        if (m_p >= m_pEnd || *m_p != '"')
            return false;
        const char* pClose = static_cast<const char*>(std::memchr(m_p + 1, '"', size_t(m_pEnd - m_p - 1)));
        if (pClose == nullptr || m_pEnd - pClose < 2 || pClose[1] != ';')
            return false;
        m_p = pClose + 2;
        return true;
    }

    // An object's optional name and its opening brace.
    bool Head()
    {
        const std::string_view token = Token();
        if (token == "{")
            return true;
        return !token.empty() && Expect("{");
    }

    // An object the importer skips: everything up to its matching brace.
    bool UnknownObject()
    {
        for (;;) {
            const std::string_view token = Token();
            if (token.empty())
                return false;
            if (token == "{")
                break;
        }
        for (uint32_t iDepth = 1; iDepth > 0;) {
            const std::string_view token = Token();
            if (token.empty())
                return false;
            if (token == "{")
                ++iDepth;
            else if (token == "}")
                --iDepth;
        }
        return true;
    }

    // The objects inside an object, up to its closing brace: read handles one
    // by its name and answers whether it was good.
    template <typename Read>
    bool Children(Read read)
    {
        for (;;) {
            const std::string_view name = Token();
            if (name.empty())
                return false;
            if (name == "}")
                return true;
            if (!read(name))
                return false;
        }
    }

    // A template declaration: skipped up to the first closing brace after
    // its identifier.
    bool Template()
    {
        if (!Head())
            return false;
        Token();
        for (;;) {
            const std::string_view token = Token();
            if (token == "}")
                return true;
            if (token.empty())
                return false;
        }
    }

    bool Frame(uint32_t iDepth)
    {
        if (iDepth > MAX_FRAME_DEPTH || ++m_iFrames > MAX_FRAMES || !Head())
            return false;
        return Children([this, iDepth](std::string_view name) {
            if (name == "Frame")
                return Frame(iDepth + 1);
            if (name == "FrameTransformMatrix")
                return Head() && Floats(16) && Expect(";") && Expect("}");
            if (name == "Mesh")
                return Mesh();
            return UnknownObject();
        });
    }

    bool Mesh()
    {
        uint32_t iVertices = 0;
        if (!Head() || !Int(iVertices) || iVertices == 0 || !Repeat(iVertices, [this] { return Vector(3); }))
            return false;
        uint32_t iFaces = 0;
        if (!Int(iFaces) || iFaces == 0)
            return false;
        std::vector<uint32_t> faceCorners;
        for (uint32_t f = 0; f < iFaces; ++f) {
            uint32_t iCorners = 0;
            if (!Int(iCorners) || iCorners < 3 || iCorners > MAX_FACE_CORNERS || !Indices(iCorners, iVertices))
                return false;
            OptionalSeparator();
            faceCorners.push_back(iCorners);
        }

        uint32_t iTextureSets = 0;
        uint32_t iColourSets = 0;
        bool bMaterialList = false;
        return Children([&](std::string_view name) {
            if (name == "MeshNormals")
                return Normals(faceCorners);
            if (name == "MeshTextureCoords")
                return Head() && ++iTextureSets <= MAX_VERTEX_SETS && VertexCount(iVertices) &&
                       Repeat(iVertices, [this] { return Vector(2); }) && Expect("}");
            if (name == "MeshVertexColors")
                return Head() && ++iColourSets <= MAX_VERTEX_SETS && VertexCount(iVertices) &&
                       Repeat(iVertices, [this, iVertices] { return VertexColour(iVertices); }) && Expect("}");
            if (name == "MeshMaterialList") {
                // A second list would give the faces twice as many materials.
                const bool bGood = !bMaterialList && MaterialList(iFaces);
                bMaterialList = true;
                return bGood;
            }
            if (name == "XSkinMeshHeader") {
                uint32_t iIgnored = 0;
                return Head() && Int(iIgnored) && Int(iIgnored) && Int(iIgnored) && Expect("}");
            }
            if (name == "SkinWeights")
                return SkinWeights(iVertices);
            return UnknownObject();
        });
    }

    template <typename Read>
    static bool Repeat(uint32_t count, Read read)
    {
        for (uint32_t i = 0; i < count; ++i) {
            if (!read())
                return false;
        }
        return true;
    }

    // count indices, each below limit.
    bool Indices(uint32_t count, uint32_t limit)
    {
        return Repeat(count, [this, limit] {
            uint32_t index = 0;
            return Int(index) && index < limit;
        });
    }

    // The count of a per-vertex list, which must be the mesh's.
    bool VertexCount(uint32_t iVertices)
    {
        uint32_t count = 0;
        return Int(count) && count == iVertices;
    }

    bool VertexColour(uint32_t iVertices)
    {
        if (!Indices(1, iVertices) || !Vector(4))
            return false;
        OptionalSeparator();
        return true;
    }

    // The normals and, face by face, as many normal indices as the face has
    // corners.
    bool Normals(const std::vector<uint32_t>& faceCorners)
    {
        uint32_t iNormals = 0;
        if (!Head() || !Int(iNormals) || !Repeat(iNormals, [this] { return Vector(3); }))
            return false;
        uint32_t iFaces = 0;
        if (!Int(iFaces) || iFaces != faceCorners.size())
            return false;
        for (uint32_t iCorners : faceCorners) {
            uint32_t count = 0;
            if (!Int(count) || count != iCorners || !Indices(count, iNormals))
                return false;
            OptionalSeparator();
        }
        return Expect("}");
    }

    // One material index for every face, or one for all of them, each
    // naming one of the materials that follow, which are as many as the
    // list declares. The importer takes the faces' materials from that list
    // without looking: a list with none would leave them pointing nowhere.
    bool MaterialList(uint32_t iFaces)
    {
        uint32_t iDeclared = 0;
        uint32_t iIndices = 0;
        if (!Head() || !Int(iDeclared) || !Int(iIndices) || (iIndices != iFaces && iIndices != 1))
            return false;
        uint32_t iHighest = 0;
        for (uint32_t i = 0; i < iIndices; ++i) {
            uint32_t index = 0;
            if (!Int(index))
                return false;
            iHighest = std::max(iHighest, index);
        }
        // The importer takes one more ";" right after the indices.
        if (m_p < m_pEnd && *m_p == ';')
            ++m_p;
        uint32_t iMaterials = 0;
        const bool bGood = Children([this, &iMaterials](std::string_view name) {
            if (name == "{") {
                ++iMaterials;
                return !Token().empty() && Expect("}");
            }
            if (name == "Material") {
                ++iMaterials;
                return Material();
            }
            return name == ";" || UnknownObject();
        });
        return bGood && iMaterials == iDeclared && iHighest < iMaterials;
    }

    bool Material()
    {
        if (!Head() || !Vector(4) || !Float() || !Vector(3) || !Vector(3))
            return false;
        return Children([this](std::string_view name) {
            if (name == "TextureFilename" || name == "TextureFileName" || name == "NormalmapFilename" ||
                name == "NormalmapFileName")
                return Head() && String() && Expect("}");
            return UnknownObject();
        });
    }

    bool SkinWeights(uint32_t iVertices)
    {
        uint32_t iWeights = 0;
        return Head() && String() && Int(iWeights) && Indices(iWeights, iVertices) && Floats(iWeights) && Floats(16) &&
               Expect(";") && Expect("}");
    }

    bool TicksPerSecond()
    {
        uint32_t iTicks = 0;
        return Head() && Int(iTicks) && Expect("}");
    }

    bool AnimationSet()
    {
        return Head() &&
               Children([this](std::string_view name) { return name == "Animation" ? Animation() : UnknownObject(); });
    }

    bool Animation()
    {
        return Head() && Children([this](std::string_view name) {
                   if (name == "AnimationKey")
                       return AnimationKey();
                   if (name == "{")
                       return !Token().empty() && Expect("}");
                   return UnknownObject();
               });
    }

    // Keys of one type: rotations (4 values), scales or positions (3) or
    // matrices (16), each with its time.
    bool AnimationKey()
    {
        uint32_t iType = 0;
        uint32_t iKeys = 0;
        if (!Head() || !Int(iType) || !Int(iKeys))
            return false;
        for (uint32_t i = 0; i < iKeys; ++i) {
            uint32_t iTime = 0;
            uint32_t iValues = 0;
            if (!Int(iTime) || !Int(iValues))
                return false;
            bool bGood = false;
            if (iType == 0)
                bGood = iValues == 4 && Floats(4) && Expect(";");
            else if (iType == 1 || iType == 2)
                bGood = iValues == 3 && Vector(3);
            else if (iType == 3 || iType == 4)
                bGood = iValues == 16 && Floats(16) && Expect(";");
            if (!bGood || !Separator())
                return false;
        }
        return Expect("}");
    }

    const char* m_p;
    const char* m_pEnd;
    uint32_t m_iFrames = 0;
    bool m_bRefused = false;
};

} // namespace

bool IsSafeXFileText(const char* pData, size_t iSize)
{
    if (pData == nullptr || iSize < HEADER_SIZE || !HasOnlyPlainText(pData, iSize))
        return false;
    if (std::memcmp(pData, "xof ", 4) != 0 || std::memcmp(pData + 8, "txt ", 4) != 0 ||
        (std::memcmp(pData + 12, "0032", 4) != 0 && std::memcmp(pData + 12, "0064", 4) != 0))
        return false;
    // The header's line holds nothing else, so that reading on after the
    // header or from the next line comes to the same.
    const char* p = pData + HEADER_SIZE;
    const char* pEnd = pData + iSize;
    while (p < pEnd && (*p == ' ' || *p == '\t'))
        ++p;
    if (p < pEnd && *p != '\n' && *p != '\r')
        return false;
    return XFileTextChecker(p, pEnd).CheckObjects();
}

} // namespace Platform
