#include "Common/MovieIds.h"

#include "Error/EngineAssert.h"

#include <cctype>
#include <cstdio>

namespace {

const char* const s_apMovieNames[MOVIE_LAST] = {
    "MOVIE_INVALID", "MOVIE_CINE00",  "MOVIE_CINE01",  "MOVIE_CINE04",  "MOVIE_CINE05",
    "MOVIE_CINE06",  "MOVIE_CINE07",  "MOVIE_CINE08",  "MOVIE_CINE09",  "MOVIE_CINE99",
    "MOVIE_STRIP01", "MOVIE_STRIP03", "MOVIE_STRIP05", "MOVIE_STRIP06", "MOVIE_STRIP07",
    "MOVIE_STRIP08", "MOVIE_STRIP09", "MOVIE_STRIP10", "MOVIE_STRIP11",
};

// Every movie name starts with "MOVIE_".
constexpr int MOVIE_PREFIX_LENGTH = 6;

void ToLower(char* text)
{
    for (; *text != '\0'; ++text)
        *text = static_cast<char>(std::tolower(static_cast<unsigned char>(*text)));
}

} // namespace

const char* Id::GetMovieName(int iId)
{
    ENGINE_ASSERT(iId>=0 && iId<MOVIE_LAST);
    return iId >= 0 && iId < MOVIE_LAST ? s_apMovieNames[iId] : s_apMovieNames[MOVIE_INVALID];
}

const char* Id::GetMoviePath(int iId, bool bHighDefinition)
{
    static char s_aPath[128];
    std::snprintf(s_aPath, sizeof s_aPath, "video/%s%s", GetMovieName(iId) + MOVIE_PREFIX_LENGTH,
                  bHighDefinition ? "_hd.bik" : "_sd.bik");
    ToLower(s_aPath);
    return s_aPath;
}

const char* Id::GetMovieSubtitlePath(int iId)
{
    static char s_aPath[128];
    std::snprintf(s_aPath, sizeof s_aPath, "video/%s.tw.sub", GetMovieName(iId) + MOVIE_PREFIX_LENGTH);
    ToLower(s_aPath);
    return s_aPath;
}
