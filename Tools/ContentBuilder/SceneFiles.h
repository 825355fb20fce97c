#pragma once
#include "ByteWriter.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct SceneDesc;

// The files of one scene, compiled from its readable source in
// Content/Scenes/, a JSON object named after the scene's row of the scene
// table ("bg101_BO_CastilloLivingRoom.json"). Positions on the screen are in
// units of the 256 x 192 screen, world positions in world units, angles in
// radians, colours 0..1 per channel unless written "#RRGGBBAA" (the 3D file
// keeps the ambient and light colours as levels 0..255).
//
// {"name": the 16-byte name of the description (default: the table name up
//    to its first "_"); it names the folder of the actor packs,
//  "text", "dialogs": whether the scene has a text table and dialogs,
//  "soundVariant": the sound variant (default 1),
//  "textures": texture definitions as in Manifest.json, for the scene pack;
//    their shapes may stand in the scene's 3D space (WorldShapes.h),
//  "mainLayer": the name of the main layer (default: the first layer),
//  "layers": layer records (SceneRecords.h); a sprite's or region's
//    "entity" may name the entity, sprites and regions without an "id"
//    get the next free one, and an "id" given as a text is the text's
//    CRC-32 (the name of a sprite animation that scripts play),
//  "entities": [{"name", "events": ["Look", "Activate", ...], "word",
//    "lookDialogs": [[a, b], ...], "sprites": [sprite names or ids],
//    "region": a region name or id, "caption": a text key or id (none:
//    the entity has no caption), "font",
//    "saveSlot": 1..3 the label of a save slot, 0 the caption, -1 (the
//    default) nothing,
//    "alignment", "colourA", "colourB"}]; a scene of the scene table has
//    one entity per object of its row, in the row's order: those the source
//    leaves out are written without verbs,
//  "locators": [{"name", "position": [x, y, z], "orientation", "radius",
//    "word3", "word5"}],
//  "actorSets": [{"name", "characters": [{"name", "animations": [[type,
//    animation], ...]}], "attachments": [names]}]; a type is a number or
//    "standard", "walk", "idle", "run"; a character without a list of its
//    own takes its actor's list from
//  "animations": {actor name: [[type, animation], ...]}; the builder joins
//    a character's shared list to it (CharacterAnimationLists.h),
//  "meshes": figures of the scene's own characters, as in Manifest.json,
//  and for a 3D scene:
//  "camera": {"position", "target", "up", "fieldOfView": vertical, in
//    degrees, "near", "far"},
//  "ambient": [r, g, b],
//  "lights": [{"type": "directional" with "direction", or "omni" with
//    "position", "colour", "shadowColour", "shadowDensity"}] (at most 4),
//  "walkMesh": the walk mesh (WalkMeshBaker.h)}

// The names that records use for one another: entity names to indices,
// sprite and region names to ids.
struct SceneNames {
    std::map<std::string, int64_t> entities;
    std::map<std::string, int64_t> sprites;
    std::map<std::string, int64_t> regions;
};

// The scene's ".twscene.pc". `row` is the scene's row of the scene table
// (null for a scene that has none: its entities are taken in source order).
std::vector<uint8_t> WriteSceneDescription(const nlohmann::json& source, const SceneDesc* row,
                                           const std::string& place);
// The scene's ".3dscene.o"; throws when the source has no camera.
std::vector<uint8_t> WriteScene3DFile(const nlohmann::json& source, const std::string& place);
// The description's 16-byte name.
std::string SceneShortName(const nlohmann::json& source, const std::string& tableName, const std::string& place);

void WriteEntityRecord(ByteWriter& out, const nlohmann::json& source, const std::string& name, const SceneNames& names,
                       const std::string& place);
void WriteLocatorRecord(ByteWriter& out, const nlohmann::json& source, const std::string& place);
// `scene` is the scene's source, whose "animations" hold the actors' lists.
void WriteActorSetRecord(ByteWriter& out, const nlohmann::json& source, const nlohmann::json& scene,
                         const std::string& place);
