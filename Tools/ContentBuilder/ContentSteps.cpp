#include "ContentSteps.h"

const std::vector<ContentStep>& ContentSteps()
{
    static const std::vector<ContentStep> steps = {
        { "plain files", CopyPlainFiles },
<<<<<<< HEAD
        { "sound banks", BuildSoundBanks },
=======
        { "data packs", BuildDataPacks },
>>>>>>> main
    };
    return steps;
}
