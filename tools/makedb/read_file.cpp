#include "tools/makedb/read_file.h"

#include "tools/makedb/build_error.h"

#include <fstream>
#include <iterator>

namespace usina::makedb {

std::string readWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw BuildError("cannot read " + file.string());
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        throw BuildError("cannot read " + file.string());
    return content;
}

} // namespace usina::makedb
