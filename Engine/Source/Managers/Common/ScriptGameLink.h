#pragma once
#include <cstdint>

// What the script manager needs of the game object and of the talk screen:
// the languages, quitting, and whether a dialog still runs. Tests install
// small fakes.
class ScriptGameLink {
public:
    virtual ~ScriptGameLink() = default;

    // Sets the game language and reloads the common texts in it.
    virtual void SetGameLanguage(int32_t iLanguage) = 0;
    virtual void SetVoiceLanguage(int32_t iLanguage) = 0;
    // The main loop ends after the current frame.
    virtual void Quit() = 0;
    // Whether a dialog runs on the talk screen.
    virtual bool IsDialogActive() = 0;
};

// The game's link: the languages of the game object, the application's quit
// flag and the dialog manager's current dialog. Until the text tables exist, a
// language change logs that the texts stay as they are.
class TwGameScriptLink final : public ScriptGameLink {
public:
    void SetGameLanguage(int32_t iLanguage) override;
    void SetVoiceLanguage(int32_t iLanguage) override;
    void Quit() override;
    bool IsDialogActive() override;
};

// The link the script manager uses; SetScriptGameLink(nullptr) restores the
// game's one.
ScriptGameLink& GetScriptGameLink();
void SetScriptGameLink(ScriptGameLink* pLink);
