// A game directory of the test's own under the temp folder: rez\UI\Scripts\roomname.txt with the
// bytes the test gives, removed with everything in it (read-only files too) when the test ends.
#pragma once

#include <string>

#include "tests/support/scratch_files.h"

namespace driver {

constexpr char kRoomNameSuffix[] = "\\rez\\UI\\Scripts\\roomname.txt";

class GameFolder {
  public:
    // `leaf` names the folder inside the test's scratch folder (GBK bytes are fine).
    explicit GameFolder(const std::string& leaf);
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    bool Valid() const { return !path_.empty(); }
    // The directory as a person would type it: no closing backslash.
    const std::string& Path() const { return path_; }
    std::string RoomNameFile() const { return path_ + kRoomNameSuffix; }

    // Creates rez\UI\Scripts and the room-name file holding exactly `bytes`.
    bool WriteRoomName(const std::string& bytes) const;
    // Creates rez\UI\Scripts with a folder named roomname.txt in the file's place.
    bool MakeFolderInPlaceOfFile() const;

  private:
    scratch::Dir root_{"roomname-e2e-"};  // the scratch folder, removed whole
    std::string path_;
};

}  // namespace driver
