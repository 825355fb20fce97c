#pragma once

// The scene's log lines: the level prefix with the game clock ("INFO[%s]:",
// "WARN[%s]:", "ERR [%s]:"), then the formatted text, which ends its own line.
void LogSceneInfo(const char* format, ...) __attribute__((format(printf, 1, 2)));
void LogSceneWarning(const char* format, ...) __attribute__((format(printf, 1, 2)));
void LogSceneError(const char* format, ...) __attribute__((format(printf, 1, 2)));
