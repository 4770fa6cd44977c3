// Runs fuzz targets over their kept inputs without libFuzzer, so the gcc
// builds (the sanitizer one above all) see every input that once broke a
// parser again on each test run. Each target is compiled under its own names
// (see CMakeLists.txt); ReplayTargets.h lists them.
#include <QGuiApplication>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ReplayTargets.h"

namespace {

using TestOneInput = int (*)(const uint8_t*, size_t);

struct Target {
  const char* name;
  TestOneInput run;
};

const Target kTargets[] = {ZENT_REPLAY_TARGETS};

TestOneInput find(const char* name) {
  for (const Target& t : kTargets)
    if (std::strcmp(t.name, name) == 0) return t.run;
  return nullptr;
}

// Every regular file under each argument, in a stable order.
std::vector<std::filesystem::path> inputs(int argc, char** argv) {
  std::vector<std::filesystem::path> found;
  for (int i = 2; i < argc; ++i) {
    const std::filesystem::path root(argv[i]);
    std::error_code error;
    if (std::filesystem::is_regular_file(root, error)) {
      found.push_back(root);
      continue;
    }
    std::filesystem::recursive_directory_iterator entries(root, error);
    if (error) {
      std::fprintf(stderr, "cannot read %s: %s\n", argv[i], error.message().c_str());
      return {};
    }
    for (const auto& entry : entries)
      if (entry.is_regular_file()) found.push_back(entry.path());
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <target> <input file or folder>...\n", argv[0]);
    return 2;
  }
  const TestOneInput run = find(argv[1]);
  if (!run) {
    std::fprintf(stderr, "no fuzz target named %s\n", argv[1]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // One application serves every target: the ones that need only a core
  // application are content with a GUI one.
  QGuiApplication app(argc, argv);
  const std::vector<std::filesystem::path> files = inputs(argc, argv);
  if (files.empty()) {
    std::fprintf(stderr, "no inputs for %s\n", argv[1]);
    return 2;
  }
  for (const std::filesystem::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The target aborts on a broken invariant; name the input first.
    std::fprintf(stderr, "%s\n", file.c_str());
    run(reinterpret_cast<const uint8_t*>(data.data()), data.size());
  }
  std::printf("%s: %zu inputs replayed\n", argv[1], files.size());
  return 0;
}
