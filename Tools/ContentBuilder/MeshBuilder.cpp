#include "MeshBuilder.h"

#include "CharacterMeshBuilder.h"
#include "ContentError.h"
#include "Manifest.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

// Every X file, text, binary or compressed, begins with this.
constexpr char X_FILE_MAGIC[] = "xof ";

} // namespace

std::vector<uint8_t> BuildMesh(const nlohmann::json& definition, const std::filesystem::path& content)
{
    const std::string name = RequireString(definition, "name");
    if (definition.contains("character")) {
        const std::string text = BuildCharacterX(name, content / RequireString(definition, "character"));
        return std::vector<uint8_t>(text.begin(), text.end());
    }
    const std::filesystem::path path = content / RequireString(definition, "x");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw ContentError("mesh \"" + name + "\": cannot read " + path.string());
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const size_t magicSize = std::strlen(X_FILE_MAGIC);
    if (bytes.size() < magicSize || std::memcmp(bytes.data(), X_FILE_MAGIC, magicSize) != 0)
        throw ContentError("mesh \"" + name + "\": " + path.string() + " is no X file");
    return bytes;
}
