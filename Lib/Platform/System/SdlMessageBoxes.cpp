#include "System/MessageBoxes.h"

#include <SDL.h>

#include <cstdio>

namespace Platform {
namespace {

enum ButtonId {
    ButtonIgnore = 6,
    ButtonAlways = 7,
    ButtonBreak = 2
};

SdlMessageBoxes s_sdlBoxes;
MessageBoxes* s_currentBoxes = &s_sdlBoxes;

void ShowSimpleBox(Uint32 icon, const char* title, const char* text)
{
    title = title ? title : "";
    text = text ? text : "";
    // Without a display the box cannot be shown: its text still reaches the
    // user on standard error.
    if (SDL_ShowSimpleMessageBox(icon, title, text, nullptr) != 0)
        std::fprintf(stderr, "%s%s%s\n", title, *title ? ": " : "", text);
}

} // namespace

void SdlMessageBoxes::ShowOk(const char* title, const char* text)
{
    ShowSimpleBox(SDL_MESSAGEBOX_INFORMATION, title, text);
}

void SdlMessageBoxes::ShowError(const char* title, const char* text)
{
    ShowSimpleBox(SDL_MESSAGEBOX_ERROR, title, text);
}

AssertAnswer SdlMessageBoxes::ShowAssert(const char* text)
{
    const SDL_MessageBoxButtonData buttons[] = {
        {0, ButtonIgnore, "Ignore"},
        {0, ButtonAlways, "Always"},
        {0, ButtonBreak, "BREAK"},
    };
    SDL_MessageBoxData data {};
    data.flags = SDL_MESSAGEBOX_WARNING;
    data.title = "ASSERT";
    data.message = text ? text : "";
    data.numbuttons = SDL_arraysize(buttons);
    data.buttons = buttons;
    int pressed = -1;
    if (SDL_ShowMessageBox(&data, &pressed) != 0)
        return AssertAnswer::Dismissed;
    switch (pressed) {
    case ButtonIgnore: return AssertAnswer::Ignore;
    case ButtonAlways: return AssertAnswer::Always;
    case ButtonBreak: return AssertAnswer::Break;
    default: return AssertAnswer::Dismissed;
    }
}

MessageBoxes& GetMessageBoxes()
{
    return *s_currentBoxes;
}

void SetMessageBoxes(MessageBoxes* boxes)
{
    s_currentBoxes = boxes ? boxes : &s_sdlBoxes;
}

} // namespace Platform
