// Recording stand-ins for the edit boxes, the notices, the registry and the shell. Everything
// that shows or changes something is written to one journal, so tests can check the order.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fake_files.h"
#include "roomname/tool.h"

namespace roomname::testing {

using Journal = std::vector<std::string>;

inline const char* BoxName(Box box) { return box == Box::GameDir ? "GameDir" : "RoomName"; }

class FakeControls : public Controls {
  public:
    explicit FakeControls(Journal& journal) : journal_(journal) {}
    std::string Read(Box box) override { return texts[box]; }
    void Write(Box box, const std::string& text) override {
        texts[box] = text;
        journal_.push_back(std::string("write ") + BoxName(box) + ": " + text);
    }
    std::map<Box, std::string> texts;

  private:
    Journal& journal_;
};

struct Notice {
    std::string text;
    unsigned icon;
    std::optional<std::string> caption;  // nullopt: the default caption
    bool operator==(const Notice& o) const {
        return text == o.text && icon == o.icon && caption == o.caption;
    }
};

class FakeNotices : public Notices {
  public:
    explicit FakeNotices(Journal& journal) : journal_(journal) {}
    void Show(const std::string& text, unsigned icon, const char* caption) override {
        shown.push_back({text, icon, caption ? std::optional<std::string>(caption) : std::nullopt});
        journal_.push_back("notice: " + text);
    }
    std::vector<Notice> shown;

  private:
    Journal& journal_;
};

class FakeRegistry : public Registry {
  public:
    std::string ReadText(int rootCode, const std::string& keyAndValue,
                         const std::string& fallback) override {
        asked.push_back({rootCode, keyAndValue});
        return value ? *value : fallback;
    }
    std::optional<std::string> value;  // nullopt: the read fails
    std::vector<std::pair<int, std::string>> asked;
};

class FakeShell : public Shell {
  public:
    std::optional<std::string> PickFolder(const std::string& instruction) override {
        instructions.push_back(instruction);
        return picked;
    }
    bool PathExists(const std::string& path) override {
        tested.push_back(path);
        return existing.count(path) != 0;
    }
    std::optional<std::string> picked;
    std::set<std::string> existing;
    std::vector<std::string> instructions;
    std::vector<std::string> tested;
};

// All five stand-ins, wired together.
struct FakeTool {
    Journal journal;
    FakeControls controls{journal};
    FakeNotices notices{journal};
    FakeFiles files;
    FakeRegistry registry;
    FakeShell shell;
    Ports ports{controls, notices, files, registry, shell};
};

}  // namespace roomname::testing
