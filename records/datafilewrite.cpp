#include "datafilewrite.h"

#include "fileio.h"

#include <cstdio>

DataFileWrite ReplaceDataFile(const std::filesystem::path& path, std::string_view bytes,
                              bool (*recognised)(std::string_view oldBytes)) {
    DataFileWrite result;
    result.path = path;
    ReadResult old = ReadWholeFile(path);
    if (old.status == ReadStatus::Missing || recognised(old.bytes)) {
        result.written = WriteFileAtomically(path, bytes);
        return result;
    }
    std::filesystem::path backup = path;
    backup += ".bak";
    if (std::rename(path.c_str(), backup.c_str()) != 0) {
        return result;
    }
    result.written = WriteFileAtomically(path, bytes);
    if (!result.written) {
        // Put the old file back, so that a failed save changes nothing.
        std::rename(backup.c_str(), path.c_str());
        return result;
    }
    result.backedUp = true;
    return result;
}
