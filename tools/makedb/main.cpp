// makedb OUT SCHEMA.sql [--lingua FILE.tsv]: builds one delivered database file from scratch.

#include "tools/makedb/build_error.h"
#include "tools/makedb/database_builder.h"

#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

namespace {

constexpr int usageError = 2;

int usage() {
    std::cerr << "usage: makedb OUT SCHEMA.sql [--lingua FILE.tsv]\n";
    return usageError;
}

} // namespace

int main(int argc, char** argv) {
    usina::makedb::BuildRequest request;
    std::vector<std::string_view> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--lingua") {
            if (i + 1 >= argc || request.lingua)
                return usage();
            request.lingua = argv[++i];
        } else if (argument.starts_with("--")) {
            return usage();
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() != 2)
        return usage();
    request.output = positional[0];
    request.schema = positional[1];

    try {
        usina::makedb::buildDatabase(request);
    } catch (const std::exception& error) {
        std::cerr << "makedb: " << request.output.string() << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
