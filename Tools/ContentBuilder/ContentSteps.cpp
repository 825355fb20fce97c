#include "ContentSteps.h"

const std::vector<ContentStep>& ContentSteps()
{
    static const std::vector<ContentStep> steps = {
        {"plain files", CopyPlainFiles},
        {"data packs", BuildDataPacks},
        {"sound banks", BuildSoundBanks},
        {"dialogs", BuildDialogs},
        {"text tables", BuildTextTables},
        {"fonts", BuildFonts},
        {"scenes", BuildScenes},
        {"auto-test recording", BuildAutoTestRecording},
        {"movies", BuildMovies},
        {"race tracks", BuildRaceTracks},
        {"chase collisions", BuildChaseCollisions},
    };
    return steps;
}
