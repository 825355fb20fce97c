#pragma once

constexpr int MOVIE_INVALID = 0;
constexpr int MOVIE_LAST = 19;

namespace Id {

// "MOVIE_INVALID", "MOVIE_CINE00", ... by movie id.
const char* GetMovieName(int iId);
// "video/" + name without "MOVIE_" + "_hd.bik" ("_sd.bik" without high
// definition), in lower case.
const char* GetMoviePath(int iId, bool bHighDefinition);
// "video/" + name without "MOVIE_" + ".tw.sub", in lower case.
const char* GetMovieSubtitlePath(int iId);

} // namespace Id
