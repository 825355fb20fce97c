#include "MiniGame/Common/MiniGameCreditsScript.h"

#include "Hash/CoreCrc32.h"

namespace {

using Entry = CreditsEntry;

// A section heading from the text tables, in the heading colour.
constexpr Entry Heading(const char* key)
{
    return {Entry::KIND_TEXT, Entry::HEADING_COLOR, CoreCrc32Of(key), nullptr, Entry::NO_PICTURE};
}
// A company's name over its people, in the heading colour.
constexpr Entry Company(const char* text)
{
    return {Entry::KIND_TEXT, Entry::HEADING_COLOR, Entry::NO_TEXT_ID, text, Entry::NO_PICTURE};
}
constexpr Entry Name(const char* text)
{
    return {Entry::KIND_TEXT, Entry::WHITE, Entry::NO_TEXT_ID, text, Entry::NO_PICTURE};
}
// A white line from the text tables.
constexpr Entry Line(const char* key)
{
    return {Entry::KIND_TEXT, Entry::WHITE, CoreCrc32Of(key), nullptr, Entry::NO_PICTURE};
}
constexpr Entry Picture(int32_t iSpriteId)
{
    return {Entry::KIND_PICTURE, Entry::WHITE, Entry::NO_TEXT_ID, nullptr, iSpriteId};
}
constexpr Entry SMALL_GAP = {Entry::KIND_SMALL_GAP, Entry::WHITE, Entry::NO_TEXT_ID, nullptr, Entry::NO_PICTURE};
constexpr Entry BIG_GAP = {Entry::KIND_BIG_GAP, Entry::WHITE, Entry::NO_TEXT_ID, nullptr, Entry::NO_PICTURE};

} // namespace

// clang-format off
const CreditsEntry CreditsScript::ROWS[ROW_COUNT] = {
    BIG_GAP, BIG_GAP, BIG_GAP, BIG_GAP,
    Picture(2),

    BIG_GAP, Heading("CREDITS_DIRECTION"), SMALL_GAP,
    Name("Ilse Marrow"), Name("Tobin Aske"),
    BIG_GAP, Heading("CREDITS_PRODUCTION"), SMALL_GAP,
    Name("Corinne Vaudel"), Name("Matteo Brisk"), Name("Hana Oldfield"),
    BIG_GAP, Heading("CREDITS_GAME_DESIGN"), SMALL_GAP,
    Name("Pell Quintard"), Name("Agathe Roumier"), Name("Sven Lathe"),
    BIG_GAP, Heading("CREDITS_STORY"), SMALL_GAP,
    Name("Marguerite Sallow"), Name("Owen Treadle"),
    BIG_GAP, Picture(3),

    BIG_GAP, Heading("CREDITS_LEAD_PROGRAMMING"), SMALL_GAP,
    Name("Rafael Dunmore"),
    BIG_GAP, Heading("CREDITS_ENGINE_PROGRAMMING"), SMALL_GAP,
    Name("Yusuf Calder"), Name("Leona Prieur"), Name("Dmitri Hollow"), Name("Kasia Wend"),
    BIG_GAP, Heading("CREDITS_GAMEPLAY_PROGRAMMING"), SMALL_GAP,
    Name("Nadia Fenwick"), Name("Bastien Oure"), Name("Greta Millhouse"), Name("Jonas Arkwell"),
    BIG_GAP, Heading("CREDITS_TOOLS_PROGRAMMING"), SMALL_GAP,
    Name("Elio Marchetti"), Name("Fern Castleby"),
    BIG_GAP, Picture(7),

    BIG_GAP, Heading("CREDITS_ART_DIRECTION"), SMALL_GAP,
    Name("Solveig Brant"),
    BIG_GAP, Heading("CREDITS_CHARACTER_ART"), SMALL_GAP,
    Name("Ambrose Kettle"), Name("Lucie Fontclair"), Name("Ravi Penhallow"),
    BIG_GAP, Heading("CREDITS_ENVIRONMENT_ART"), SMALL_GAP,
    Name("Odile Sarrazin"), Name("Caspar Nye"), Name("Wren Halloway"), Name("Iñigo Varela"),
    BIG_GAP, Picture(4),

    BIG_GAP, Heading("CREDITS_ANIMATION"), SMALL_GAP,
    Name("Mireille Daucourt"), Name("Theo Blackwood"), Name("Annika Strom"), Name("Paulo Reis"),
    BIG_GAP, Heading("CREDITS_VISUAL_EFFECTS"), SMALL_GAP,
    Name("Ingrid Falk"), Name("Cyril Ashdown"),
    BIG_GAP, Heading("CREDITS_INTERFACE"), SMALL_GAP,
    Name("Maëlle Corvin"), Name("Hugo Farrant"),
    BIG_GAP, Picture(8),

    BIG_GAP, Heading("CREDITS_MUSIC"), SMALL_GAP,
    Company("Saltmarsh Audio"), Name("Beatrix Lund"), Name("Amos Perrow"),
    BIG_GAP, Heading("CREDITS_SOUND_DESIGN"), SMALL_GAP,
    Name("Clement Aubry"), Name("Nell Harrower"), Name("Stig Ormand"),
    BIG_GAP, Heading("CREDITS_VOICE_DIRECTION"), SMALL_GAP,
    Name("Rosalind Quaile"),
    BIG_GAP, Heading("CREDITS_VOICES"), SMALL_GAP,
    Name("Evangeline Moss"), Name("Dorian Fitch"), Name("Tamsin Grey"),
    Name("Barnaby Holt"), Name("Olympe Verrier"), Name("Gideon Tarrant"),
    BIG_GAP, Picture(9),

    BIG_GAP, Heading("CREDITS_LOCALISATION"), SMALL_GAP,
    Company("Harbour Lantern Languages"),
    Name("Ulrike Sommerfeld"), Name("Chiara Benedetti"), Name("Álvaro Mendaro"), Name("Élodie Marchal"),
    BIG_GAP, Heading("CREDITS_TESTING_LEAD"), SMALL_GAP,
    Name("Patrick Olden"),
    BIG_GAP, Heading("CREDITS_QUALITY_ASSURANCE"), SMALL_GAP,
    Company("Gull Rock Testing"),
    Name("Selma Kristoffer"), Name("Noah Beckwith"), Name("Irène Labarthe"),
    Name("Quentin Dray"), Name("Maud Ellery"), Name("Felix Harrowgate"),
    BIG_GAP, Picture(6),

    BIG_GAP, Heading("CREDITS_PRODUCTION_ASSISTANCE"), SMALL_GAP,
    Name("Juno Whitlock"), Name("Anselm Kray"),
    BIG_GAP, Heading("CREDITS_MARKETING"), SMALL_GAP,
    Name("Delphine Roche"), Name("Marcus Tolley"), Name("Sunniva Haug"),
    BIG_GAP, Heading("CREDITS_PUBLIC_RELATIONS"), SMALL_GAP,
    Name("Ottilie Barnes"), Name("Lorenzo Ficchi"),
    BIG_GAP, Picture(4),

    BIG_GAP, Heading("CREDITS_LEGAL"), SMALL_GAP,
    Name("Harriet Vane-Moor"), Name("Benoît Lagarde"),
    BIG_GAP, Heading("CREDITS_FINANCE"), SMALL_GAP,
    Name("Edmund Price"), Name("Saskia Veldt"),
    BIG_GAP, Heading("CREDITS_ADMINISTRATION"), SMALL_GAP,
    Name("Colette Ravel"), Name("Ned Ashby"),
    BIG_GAP, Heading("CREDITS_INFORMATION_TECHNOLOGY"), SMALL_GAP,
    Name("Viktor Lindqvist"), Name("Priya Castell"),
    BIG_GAP, Picture(5),

    BIG_GAP, Heading("CREDITS_PUBLISHING"), SMALL_GAP,
    Company("Reedwater Interactive"),
    Name("Augustin Ferrand"), Name("Mina Okafor"), Name("Roland Petch"), Name("Thea Carrow"),
    BIG_GAP, Heading("CREDITS_SPECIAL_THANKS"), SMALL_GAP,
    Name("The harbour master of Velmarsh"), Name("Orla Finnegan"), Name("Basile Morand"),
    Name("The Tuesday playtest club"), Name("Lena Brightwater"), Name("Kofi Mensah"),
    BIG_GAP, Heading("CREDITS_FAMILIES"), SMALL_GAP,
    Name("Our families"), Name("Our friends"), Name("Everyone who waited"), Name("And the gulls"),
    BIG_GAP, Picture(10),

    BIG_GAP, Heading("CREDITS_VIDEO"), SMALL_GAP,
    Name("Videos played with the Brightfield video library"),
    BIG_GAP, Heading("CREDITS_ADDITIONAL_TOOLS"), SMALL_GAP,
    Name("Quillpress type tools"), Name("Marlin audio kit"), Name("Tidewater mesh tools"),
    BIG_GAP, Picture(3),

    BIG_GAP, Line("CREDITS_THANK_YOU"), Line("CREDITS_SEE_YOU"),
    BIG_GAP, BIG_GAP,
};
// clang-format on
