#include "support/TestDir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace vitramor::test {

TestDir::TestDir() {
    std::string templ = (fs::temp_directory_path() / "vitramor-test-XXXXXX").string();
    if (!mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
    path_ = templ;
}

TestDir::~TestDir() {
    std::error_code ec;
    // A test may have taken the write permission away; give it back first.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (it->is_directory(ec)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void TestDir::write(const std::string& name, const std::string& bytes) const { writeFile(path_ / name, bytes); }
std::string TestDir::read(const std::string& name) const { return readFile(path_ / name); }
bool TestDir::exists(const std::string& name) const { return fs::exists(path_ / name); }

std::vector<std::string> TestDir::files() const {
    std::vector<std::string> r;
    for (const auto& e : fs::directory_iterator(path_)) r.push_back(e.path().filename().string());
    std::sort(r.begin(), r.end());
    return r;
}

std::string readFile(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    if (!f) throw std::runtime_error("cannot read " + p.string());
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void writeFile(const fs::path& p, const std::string& bytes) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    if (!f) throw std::runtime_error("cannot write " + p.string());
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vitramor::test
