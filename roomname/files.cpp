#include "roomname/files.h"

namespace roomname {

bool ReadExactly(File& file, void* buf, size_t size) {
    auto* bytes = static_cast<unsigned char*>(buf);
    size_t done = 0;
    while (done < size) {
        size_t got = 0;
        if (!file.Read(bytes + done, size - done, &got) || got == 0) return false;
        done += got;
    }
    return true;
}

}  // namespace roomname
