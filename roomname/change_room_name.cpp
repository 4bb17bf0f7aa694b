#include <limits>
#include <memory>
#include <new>

#include "roomname/room_name_file.h"
#include "roomname/texts.h"
#include "roomname/tool.h"

namespace roomname {
namespace {

// FILE_ATTRIBUTE_NORMAL: what a file with no other attribute must be given.
constexpr uint32_t kAttrNormal = 0x80;

uint32_t WithoutReadOnly(uint32_t attributes) {
    const uint32_t rest = attributes & ~kAttrReadOnly;
    return rest == 0 ? kAttrNormal : rest;
}

// Replaces the whole content of `file`. On failure the file holds its old bytes again, as far as
// the file still accepts writes; when the old bytes cannot be held, nothing is written at all.
bool ReplaceContent(File& file, const std::string& content) {
    uint64_t oldSize = 0;
    if (!file.Size(&oldSize) || oldSize > std::numeric_limits<size_t>::max()) return false;
    const size_t size = static_cast<size_t>(oldSize);
    std::unique_ptr<unsigned char[]> old(new (std::nothrow) unsigned char[size == 0 ? 1 : size]);
    if (!old) return false;
    if (!file.Seek(0) || !ReadExactly(file, old.get(), size)) return false;

    // SetEnd drops the old tail, so the game never reads a name the user replaced.
    if (file.Seek(0) && file.Write(content.data(), content.size()) && file.SetEnd()) return true;

    if (file.Seek(0) && file.Write(old.get(), size)) file.SetEnd();
    return false;
}

// Rewrites the file at `path`, clearing read-only for the update; on failure the attributes are
// put back as they were.
bool RewriteRoomNameFile(Files& files, const std::string& path, const std::string& name) {
    uint32_t attributes = 0;
    const bool cleared = files.GetAttributes(path, &attributes) &&
                         (attributes & kAttrReadOnly) != 0 &&
                         files.SetAttributes(path, WithoutReadOnly(attributes));
    bool replaced = false;
    {
        std::unique_ptr<File> file = files.OpenUpdate(path);  // never creates a file
        replaced = file && ReplaceContent(*file, RoomNameFileContent(name));
    }  // closed before its attributes change
    if (!replaced && cleared) files.SetAttributes(path, attributes);
    return replaced;
}

}  // namespace

void ChangeRoomName(const Ports& ports) {
    const std::string name = ports.controls.Read(Box::RoomName);  // neither trimmed nor checked
    if (!RewriteRoomNameFile(ports.files, RoomNameFilePath(ports.controls.Read(Box::GameDir)),
                             name)) {
        ports.notices.Show(texts::kChangeFailed, kIconError, texts::kReminderCaption);
        return;
    }
    // The result is not examined: the content is in place, which is what the user asked for.
    ports.files.SetAttributes(RoomNameFilePath(ports.controls.Read(Box::GameDir)), kAttrReadOnly);
    ports.notices.Show(std::string(texts::kChangedTo) + name + "\"", kIconNone,
                       texts::kReminderCaption);
}

}  // namespace roomname
