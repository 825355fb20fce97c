// The least a program can do to show a frame the way the game does: the
// video system, a window with the game's OpenGL framebuffer, one cleared and
// presented frame. Its start, timed beside the game's, shows what the game
// adds before its first frame (Tools/Scripts/first-frame.sh).
#include "Window/OpenGlAttributes.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdio>

int main()
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "No video system: %s\n", SDL_GetError());
        return 1;
    }
    Platform::PrepareOpenGlWindowAttributes();
    SDL_Window* window = SDL_CreateWindow("MinimalWindow", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 1280, 960,
                                          SDL_WINDOW_OPENGL);
    SDL_GLContext context = window != nullptr ? SDL_GL_CreateContext(window) : nullptr;
    if (context == nullptr) {
        std::fprintf(stderr, "No OpenGL window: %s\n", SDL_GetError());
        return 1;
    }
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapWindow(window);
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
