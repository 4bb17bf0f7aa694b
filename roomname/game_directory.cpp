#include "roomname/room_name_file.h"
#include "roomname/texts.h"
#include "roomname/tool.h"

namespace roomname {

void DetectGameDirectory(const Ports& ports) {
    ports.controls.Write(Box::GameDir,
                         ports.registry.ReadText(kRootLocalMachine, texts::kGameRegistryValue,
                                                 texts::kDetectionSentinel));
    // Compare what the box holds, not what was written: the box is the only state.
    if (ports.controls.Read(Box::GameDir) == texts::kDetectionSentinel) return;
    LoadCurrentName(ports);
}

void ChooseGameDirectory(const Ports& ports) {
    std::optional<std::string> picked = ports.shell.PickFolder(texts::kPickerInstruction);
    if (!picked) return;  // cancelled: the directory already shown stays
    ports.controls.Write(Box::GameDir, *picked);
    if (!ports.shell.PathExists(RoomNameFilePath(ports.controls.Read(Box::GameDir)))) {
        ports.notices.Show(texts::kDirectoryWrong, kIconError);
        return;
    }
    // The notice is modal and disables the window, so 编辑框1 cannot change before the load.
    ports.notices.Show(texts::kDirectoryRight, kIconInformation);
    LoadCurrentName(ports);
}

}  // namespace roomname
