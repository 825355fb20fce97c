// A dialog group file loaded as the dialog manager loads it, and every dialog
// of a group that loads walked through, offers taken in turn.
#include "Dialogs/Common/Dialog.h"
#include "Engine/Dialogs/Common/DialogWalker.h"
#include "FuzzSupport.h"
#include "Managers/Common/VarManager.h"

#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Walks may set variables; every input starts from the same ones.
    const VarSet saved = g_VarManager;
    // An exact-size copy, so that reading one byte past the file is caught.
    const std::vector<uint8_t> file(data, data + size);
    Dialog dialog;
    if (dialog.Initialize(file.data(), file.size(), "fuzz.dialogs.dat"))
        WalkEveryDialog(dialog);
    g_VarManager = saved;
    return 0;
}
