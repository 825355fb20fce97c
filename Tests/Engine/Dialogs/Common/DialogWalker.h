#pragma once
#include "Dialogs/Common/Dialog.h"

// Starts every key of a loaded group and walks it, taking the offers in turn,
// for a bounded number of steps: whatever a file says, this must stay safe.
inline void WalkEveryDialog(Dialog& dialog)
{
    for (int32_t i = 0; i < dialog.GetNumDialogs(); ++i) {
        if (!dialog.SetCurrentDialog(dialog.GetKeys()[i].m_uKey))
            continue;
        dialog.Advance();
        for (int step = 0; step < 40 && !dialog.IsEnded(); ++step) {
            if (dialog.IsWaitingForScript())
                dialog.UpdateScript();
            else if (dialog.HasProposition() && dialog.SelectProposition(step % dialog.GetNumPropositions()))
                dialog.Advance();
            else
                dialog.Advance();
        }
    }
}
