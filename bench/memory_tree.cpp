// The memory of a process and everything below it, in KiB, on one line:
//   <PSS summed over the tree> <pages of the tree alone>
// PSS divides each shared page among every process that maps it, inside the
// tree or not, so other programs that map the same libraries lower it. The
// second figure counts each physical page the tree maps once, whoever else
// maps it: the tree's PSS on a machine where nothing else runs. It needs
// the page frame numbers of /proc/<pid>/pagemap (root); without them it is 0.
// -v adds where those pages lie, by mapping, largest first.
//   memory_tree [-v] PID
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

constexpr std::uint64_t kPage = 4096;

// The process and its descendants; any thread may have started a child.
std::vector<int> tree(int root) {
  std::vector<int> pids{root};
  for (std::size_t i = 0; i < pids.size(); ++i) {
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pids[i]) + "/task", error)) {
      std::ifstream children(task.path() / "children");
      for (int child = 0; children >> child;) pids.push_back(child);
    }
  }
  return pids;
}

std::uint64_t pssKiB(int pid) {
  std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
  for (std::string line; std::getline(rollup, line);) {
    if (line.rfind("Pss:", 0) == 0) return std::stoull(line.substr(4));
  }
  return 0;
}

// Adds the frames of every present page the process maps. Reserved address
// space that cannot be touched ("---p") holds no pages and is skipped.
void addFrames(int pid, std::unordered_set<std::uint64_t>& frames, std::map<std::string, std::uint64_t>* byName) {
  const std::string proc = "/proc/" + std::to_string(pid);
  std::ifstream maps(proc + "/maps");
  std::FILE* pagemap = std::fopen((proc + "/pagemap").c_str(), "rb");
  if (pagemap == nullptr) return;
  std::vector<std::uint64_t> entries;
  for (std::string line; std::getline(maps, line);) {
    std::istringstream fields(line);
    std::string range, perms, offset, device, inode, name;
    fields >> range >> perms >> offset >> device >> inode;
    std::getline(fields >> std::ws, name);
    if (name.empty()) name = "[anon]";
    if (perms.rfind("---", 0) == 0) continue;
    const std::size_t dash = range.find('-');
    const std::uint64_t start = std::stoull(range.substr(0, dash), nullptr, 16) / kPage;
    const std::uint64_t end = std::stoull(range.substr(dash + 1), nullptr, 16) / kPage;
    entries.resize(end - start);
    if (std::fseek(pagemap, static_cast<long>(start * sizeof(std::uint64_t)), SEEK_SET) != 0) continue;
    const std::size_t read = std::fread(entries.data(), sizeof(std::uint64_t), entries.size(), pagemap);
    for (std::size_t i = 0; i < read; ++i) {
      const std::uint64_t e = entries[i];
      const std::uint64_t frame = e & ((std::uint64_t{1} << 55) - 1);
      if ((e >> 63) != 0 && frame != 0 && frames.insert(frame).second && byName != nullptr) ++(*byName)[name];
    }
  }
  std::fclose(pagemap);
}

}  // namespace

int main(int argc, char** argv) {
  const bool detail = argc == 3 && std::string(argv[1]) == "-v";
  if (argc != 2 && !detail) {
    std::cerr << "usage: memory_tree [-v] PID\n";
    return 2;
  }
  std::uint64_t pss = 0;
  std::unordered_set<std::uint64_t> frames;
  std::map<std::string, std::uint64_t> byName;
  for (const int pid : tree(std::stoi(argv[argc - 1]))) {
    pss += pssKiB(pid);
    addFrames(pid, frames, detail ? &byName : nullptr);
  }
  std::cout << pss << ' ' << frames.size() * kPage / 1024 << '\n';
  // -v: where the tree's own pages lie, largest first, in KiB.
  std::vector<std::pair<std::uint64_t, std::string>> largest;
  for (const auto& [name, pages] : byName) largest.emplace_back(pages * kPage / 1024, name);
  std::sort(largest.rbegin(), largest.rend());
  for (const auto& [kib, name] : largest) {
    if (kib >= 256) std::cout << kib << ' ' << name << '\n';
  }
  return 0;
}
