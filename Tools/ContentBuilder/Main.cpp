// Builds the sample data folder from the readable sources in Content/:
//   ContentBuilder <content folder> <data folder>
#include "ContentSteps.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <content folder> <data folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path content = argv[1];
    const std::filesystem::path data = argv[2];
    std::error_code error;
    std::filesystem::create_directories(data, error);
    if (error) {
        std::fprintf(stderr, "ContentBuilder: cannot create %s: %s\n", data.c_str(), error.message().c_str());
        return 1;
    }
    for (const ContentStep& step : ContentSteps()) {
        if (!step.build(content, data)) {
            std::fprintf(stderr, "ContentBuilder: step \"%s\" failed\n", step.name);
            return 1;
        }
    }
    return 0;
}
